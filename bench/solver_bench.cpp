// Counts the covers of the classic boards and prints the time of each, min and median of runs.
// Build in Release to measure: cmake -DCMAKE_BUILD_TYPE=Release ...; then ./solver_bench [runs]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "solver/tiling_solver.h"

namespace tessellix {

namespace {

constexpr int kGrid = 31;
constexpr unsigned kAllElements = 0xFFF;

struct Board {
    const char* name;
    std::vector<int> grid;
};

std::vector<int> Rectangle(int columns, int rows) {
    std::vector<int> grid(kGrid * kGrid, 0);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            grid[r * kGrid + c] = 1;
        }
    }
    return grid;
}

std::vector<int> SquareWithoutCentre() {
    std::vector<int> grid = Rectangle(8, 8);
    for (int r = 3; r < 5; ++r) {
        for (int c = 3; c < 5; ++c) {
            grid[r * kGrid + c] = 0;
        }
    }
    return grid;
}

}  // namespace

}  // namespace tessellix

int main(int argc, char** argv) {
    using namespace tessellix;
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const std::vector<Board> boards{
        {"6 x 10", Rectangle(10, 6)},
        {"5 x 12", Rectangle(12, 5)},
        {"4 x 15", Rectangle(15, 4)},
        {"3 x 20", Rectangle(20, 3)},
        {"8 x 8 less centre 2 x 2", SquareWithoutCentre()},
    };
    std::printf("%-26s %9s %9s %10s %10s  (%d runs)\n", "board", "tilings", "distinct", "min ms",
                "median ms", runs);
    for (const Board& board : boards) {
        std::vector<double> times;
        CountResult result;
        for (int run = 0; run < runs; ++run) {
            const auto start = std::chrono::steady_clock::now();
            const TilingSolver solver(board.grid, kGrid, kAllElements);
            result = solver.Count();
            const auto stop = std::chrono::steady_clock::now();
            times.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
        }
        std::sort(times.begin(), times.end());
        std::printf("%-26s %9llu %9llu %10.1f %10.1f\n", board.name,
                    static_cast<unsigned long long>(result.tilings),
                    static_cast<unsigned long long>(result.distinct), times.front(),
                    times[times.size() / 2]);
    }
    return 0;
}
