#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <utility>
#include <vector>

#include "model/element_set.h"

namespace tessellix {

// Every draw of the generator comes from here, so that the same seed gives the same puzzle on
// every machine (std::mt19937_64 is specified to the bit; the distributions are not).
class SeededRandom {
  public:
    explicit SeededRandom(std::uint64_t seed) : engine(seed) {}

    // A number below n (n > 0).
    std::uint64_t Below(std::uint64_t n) { return engine() % n; }

    // count of the twelve elements, drawn at random; bit i for element i.
    unsigned ChooseElements(int count) {
        std::array<int, ElementSet::kCount> order{};
        for (int i = 0; i < ElementSet::kCount; ++i) {
            order[i] = i;
        }
        unsigned chosen = 0;
        for (int i = 0; i < count && i < ElementSet::kCount; ++i) {
            std::swap(order[i], order[i + Below(ElementSet::kCount - i)]);
            chosen |= 1u << order[i];
        }
        return chosen;
    }

    // The elements of the mask (bit i for element i) in a random order.
    std::vector<int> Shuffled(unsigned elements) {
        std::vector<int> order;
        for (int element = 0; element < ElementSet::kCount; ++element) {
            if ((elements & (1u << element)) != 0) {
                order.push_back(element);
            }
        }
        for (std::size_t i = order.size(); i > 1; --i) {
            std::swap(order[i - 1], order[Below(i)]);
        }
        return order;
    }

  private:
    std::mt19937_64 engine;
};

}  // namespace tessellix
