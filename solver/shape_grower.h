#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <vector>

namespace tessellix {

// Grows random shapes out of elements: the first element lies in the middle, and each further
// one is put against the shape so far, at a place drawn with a weight of its contact with the
// shape (the number of cell edges they share) raised to the power `compactness`. Compactness 0
// gives straggling shapes, where most moves are forced; higher values pack the elements into
// blobs, which have more covers and need more guessing. Every draw comes from the seed, so the
// same seed grows the same shapes on every machine.
class ShapeGrower {
  public:
    explicit ShapeGrower(std::uint64_t seed);

    // A number below n (n > 0).
    std::uint64_t Below(std::uint64_t n);
    // count of the twelve elements, drawn at random; bit i for element i.
    unsigned ChooseElements(int count);

    // The cells of a connected shape without holes covered by the elements of `elements`, each
    // once, at most kCanvasColumns wide and kCanvasRows high, centred on the editor's canvas
    // of the kGridSide x kGridSide grid (row-major, 1 for a cell); nothing when the elements
    // could not be fitted.
    std::optional<std::vector<int>> Grow(unsigned elements, int compactness);

  private:
    std::mt19937_64 random;
};

}  // namespace tessellix
