// Times the puzzle generator for 5, 8 and 12 elements at each level, one puzzle per seed, and
// prints the median and worst time and the tries per puzzle. Tries do not depend on the
// machine or its load; the times do. Usage: generator_bench [seeds] [first seed]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/median.h"
#include "solver/puzzle_generator.h"

namespace tessellix {}  // namespace tessellix

int main(int argc, char** argv) {
    using namespace tessellix;
    const int seeds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const std::uint64_t firstSeed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    std::printf("%8s %-7s %10s %10s %12s %12s %12s  (%d seeds from %llu)\n", "elements", "level",
                "median ms", "worst ms", "median tries", "mean tries", "worst tries", seeds,
                static_cast<unsigned long long>(firstSeed));
    for (int elements : {5, 8, 12}) {
        for (Level level : kLevels) {
            std::vector<double> times;
            std::vector<double> tries;
            int missed = 0;
            for (int k = 0; k < seeds; ++k) {
                const PuzzleGenerator generator({0, elements, level, firstSeed + k});
                const auto start = std::chrono::steady_clock::now();
                const GeneratedPuzzle puzzle = generator.Generate();
                times.push_back(std::chrono::duration<double, std::milli>(
                                    std::chrono::steady_clock::now() - start)
                                    .count());
                tries.push_back(puzzle.tries);
                missed += puzzle.status == GeneratorStatus::Generated ? 0 : 1;
            }
            double sum = 0;
            for (double t : tries) {
                sum += t;
            }
            std::printf("%8d %-7s %10.1f %10.1f %12.0f %12.1f %12.0f", elements,
                        std::string(LevelName(level)).c_str(), Median(times),
                        *std::max_element(times.begin(), times.end()), Median(tries),
                        sum / tries.size(), *std::max_element(tries.begin(), tries.end()));
            if (missed > 0) {
                std::printf("  %d not found", missed);
            }
            std::printf("\n");
        }
    }
    return 0;
}
