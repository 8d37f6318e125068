// Times the data-folder scan over 300 and 3000 puzzle files and one puzzle load.
// Not a test: it prints figures for a person to read.

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <random>
#include <vector>

#include "library/puzzle_file.h"
#include "library/puzzle_library.h"
#include "model/element_set.h"
#include "model/puzzle_shape.h"

namespace tessellix {

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A typical puzzle: a 12 x 5 block, every element placed, names and comments in both languages.
std::string TypicalPuzzle(int number) {
    PuzzleFileData data;
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 12; ++c) {
            data.grid[(r + 3) * kGridSide + c + 2] = 1;
        }
    }
    for (int i = 0; i < kElementRecordCount; ++i) {
        data.elements[i] = {true, true, i % 4, i % 2, i % 10, i % 4};
    }
    data.texts.names = {"Задание номер " + std::to_string(number),
                        "Puzzle number " + std::to_string(number)};
    data.texts.comments = {"Комментарий к заданию в две строки,\r\nвторая строка",
                           "A comment of two lines,\r\nthe second line"};
    return *EncodePuzzleFile(data);
}

// Files 1.TLX to count.TLX, created in shuffled order so that the scan has to sort.
void FillFolder(const std::filesystem::path& folder, int count) {
    std::filesystem::create_directories(folder);
    std::vector<int> numbers(count);
    std::iota(numbers.begin(), numbers.end(), 1);
    std::shuffle(numbers.begin(), numbers.end(), std::mt19937(12345));
    for (const int number : numbers) {
        const std::string bytes = TypicalPuzzle(number);
        std::ofstream out(folder / (std::to_string(number) + ".TLX"), std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
}

void TimeScan(const std::filesystem::path& folder, int count) {
    constexpr int kRuns = 7;
    std::vector<double> times;
    PuzzleLibrary library;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = Clock::now();
        library.ScanDataFolder(folder.string());
        times.push_back(MillisecondsSince(start));
    }
    std::sort(times.begin(), times.end());
    std::printf("scan of %4d files: median %8.2f ms, best %8.2f ms (%d runs, %d records)\n", count,
                times[kRuns / 2], times.front(), kRuns, library.count());
}

}  // namespace

}  // namespace tessellix

int main() {
    using namespace tessellix;
    const std::filesystem::path root =
        std::filesystem::temp_directory_path() / ("scan_bench-" + std::to_string(::getpid()));
    for (const int count : {300, 3000}) {
        const std::filesystem::path folder = root / std::to_string(count);
        FillFolder(folder, count);
        TimeScan(folder, count);
    }

    ElementSet elements;
    PuzzleShape shape;
    constexpr int kLoads = 1000;
    const auto start = Clock::now();
    bool loaded = true;
    for (int i = 0; i < kLoads; ++i) {
        loaded = !shape.Load((root / "3000" / "150.TLX").string(), elements) && loaded;
    }
    std::printf("one Load: %.1f us (average of %d, %s)\n", MillisecondsSince(start) * 1000 / kLoads,
                kLoads, loaded ? "all loaded" : "FAILED");

    std::error_code error;
    std::filesystem::remove_all(root, error);
    return loaded ? 0 : 1;
}
