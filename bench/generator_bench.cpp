// Times the puzzle generator for 5, 8 and 12 elements at each style and level, one puzzle per
// seed, and prints the median and worst time, the tries per puzzle, and the outline of the
// puzzles made: perimeter per cell (free cell edges over cells; median and worst) and tips
// (cells with three free edges; median and most). Tries and outlines do not depend on the
// machine or its load; the times do, the processor time (cpu) less so on a shared machine.
// Usage: generator_bench [seeds] [first seed] [elements] [style] [level]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "bench/median.h"
#include "solver/puzzle_generator.h"

namespace tessellix {

namespace {

int RunBench(int argc, char** argv) {
    const int seeds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const std::uint64_t firstSeed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    std::vector<int> sizes{5, 8, 12};
    if (argc > 3) {
        sizes = {std::atoi(argv[3])};
    }
    std::vector<ShapeStyle> styles(kShapeStyles.begin(), kShapeStyles.end());
    if (argc > 4) {
        const std::optional<ShapeStyle> style = ShapeStyleNamed(argv[4]);
        if (!style) {
            std::fprintf(stderr, "style: compact, symmetric or free\n");
            return 2;
        }
        styles = {*style};
    }
    std::vector<Level> levels(kLevels.begin(), kLevels.end());
    if (argc > 5) {
        const std::optional<Level> level = LevelNamed(argv[5]);
        if (!level) {
            std::fprintf(stderr, "level: easy, medium or hard\n");
            return 2;
        }
        levels = {*level};
    }
    std::printf("%8s %-9s %-7s %9s %9s %8s %8s %7s %7s %7s %6s %6s %5s %5s  (%d seeds from %llu)\n",
                "elements", "style", "level", "median ms", "worst ms", "cpu med", "cpu worst",
                "med try", "mean try", "worst", "p/cell", "worst", "tips", "most", seeds,
                static_cast<unsigned long long>(firstSeed));
    for (int elements : sizes) {
        for (ShapeStyle style : styles) {
            for (Level level : levels) {
                std::vector<double> times;
                std::vector<double> cpuTimes;
                std::vector<double> tries;
                std::vector<double> perimeters;
                std::vector<double> tips;
                int missed = 0;
                for (int k = 0; k < seeds; ++k) {
                    const PuzzleGenerator generator({0, elements, level, firstSeed + k, style});
                    const auto start = std::chrono::steady_clock::now();
                    const std::clock_t cpuStart = std::clock();
                    const GeneratedPuzzle puzzle = generator.Generate();
                    cpuTimes.push_back(1000.0 * static_cast<double>(std::clock() - cpuStart) /
                                       CLOCKS_PER_SEC);
                    times.push_back(std::chrono::duration<double, std::milli>(
                                        std::chrono::steady_clock::now() - start)
                                        .count());
                    tries.push_back(puzzle.tries);
                    if (puzzle.status != GeneratorStatus::Generated) {
                        ++missed;
                        continue;
                    }
                    const ShapeMeasure measure = MeasureShape(puzzle.data.grid, kGridSide);
                    perimeters.push_back(static_cast<double>(measure.perimeter) / measure.cells);
                    tips.push_back(measure.tips);
                }
                double sum = 0;
                for (double t : tries) {
                    sum += t;
                }
                const auto most = [](const std::vector<double>& values) {
                    return values.empty() ? 0.0 : *std::max_element(values.begin(), values.end());
                };
                std::printf(
                    "%8d %-9s %-7s %9.1f %9.1f %8.1f %8.1f %7.0f %7.1f %7.0f %6.2f %6.2f "
                    "%5.0f %5.0f",
                    elements, std::string(ShapeStyleName(style)).c_str(),
                    std::string(LevelName(level)).c_str(), Median(times), most(times),
                    Median(cpuTimes), most(cpuTimes), Median(tries), sum / tries.size(),
                    most(tries), perimeters.empty() ? 0.0 : Median(perimeters), most(perimeters),
                    tips.empty() ? 0.0 : Median(tips), most(tips));
                if (missed > 0) {
                    std::printf("  %d not found", missed);
                }
                std::printf("\n");
                std::fflush(stdout);
            }
        }
    }
    return 0;
}

}  // namespace

}  // namespace tessellix

int main(int argc, char** argv) {
    return tessellix::RunBench(argc, argv);
}
