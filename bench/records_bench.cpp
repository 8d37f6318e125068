// Times what the records and the statistics cost: recording a solve and reading every record
// with 300 and 3000 puzzles recorded, rating the levels of the shipped puzzles as the statistics
// did on first use and finding them in the table shipped beside them as they do now, and
// generating the puzzle of the day for a week.
// Not a test: it prints figures for a person to read.

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "bench/median.h"
#include "library/puzzle_library.h"
#include "library/shipped_levels.h"
#include "library/solve_records.h"
#include "solver/daily_puzzle.h"
#include "solver/file_rating.h"

namespace tessellix {

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void TimeRecords(const std::filesystem::path& folder, int puzzles) {
    const std::filesystem::path path = folder / ("records-" + std::to_string(puzzles) + ".ini");
    SolveRecords records(path.string());
    const CalendarDate first{2026, 1, 1};
    for (int i = 1; i <= puzzles; ++i) {
        records.AddSolve(
            {std::to_string(i) + ".TLX", 60 + i % 600, i % 7 == 0, first.AddDays(i % 300), {}});
    }
    std::vector<double> adds;
    std::vector<double> reads;
    for (int round = 0; round < 15; ++round) {
        auto start = Clock::now();
        records.AddSolve({std::to_string(round + 1) + ".TLX", 50, false, first, {}});
        adds.push_back(MillisecondsSince(start));
        start = Clock::now();
        const RecordsContent content = records.Read();
        reads.push_back(MillisecondsSince(start));
        if (content.puzzles.size() != static_cast<std::size_t>(puzzles)) {
            std::printf("records read back wrong\n");
        }
    }
    std::printf("%5d puzzles recorded (%ju bytes): a solve recorded %.2f ms, all read %.2f ms\n",
                puzzles, static_cast<std::uintmax_t>(std::filesystem::file_size(path)),
                Median(adds), Median(reads));
}

}  // namespace

}  // namespace tessellix

int main(int argc, char* argv[]) {
    using namespace tessellix;
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("records_bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    TimeRecords(folder, 300);
    TimeRecords(folder, 3000);

    auto start = Clock::now();
    for (int day = 7; day <= 13; ++day) {
        const auto one = Clock::now();
        const GeneratedPuzzle puzzle = GenerateDaily({2026, 12, day});
        std::printf("puzzle of the day 2026-12-%02d: %s, %d shapes tried, %.0f ms\n", day,
                    LevelName(puzzle.rating.level).data(), puzzle.tries, MillisecondsSince(one));
    }
    std::printf("a week of puzzles of the day: %.0f ms\n", MillisecondsSince(start));

    // The statistics' first use: every shipped puzzle rated, one after another.
    if (argc > 1) {
        PuzzleLibrary library;
        library.ScanDataFolder(argv[1]);
        std::vector<double> times;
        start = Clock::now();
        for (const PuzzleRecord& record : library) {
            const auto one = Clock::now();
            RatePuzzleFile(library.PathOf(record));
            times.push_back(MillisecondsSince(one));
        }
        std::printf("%d puzzles of %s rated: %.1f s in all, median %.0f ms, slowest %.0f ms\n",
                    library.count(), argv[1], MillisecondsSince(start) / 1000, Median(times),
                    *std::max_element(times.begin(), times.end()));

        start = Clock::now();
        std::ifstream file(std::filesystem::path(argv[1]) / ShippedLevels::kFileName);
        std::stringstream text;
        text << file.rdbuf();
        const ShippedLevels shipped = ShippedLevels::Parse(text.str());
        int known = 0;
        for (const PuzzleRecord& record : library) {
            known += shipped.Find(ReadPuzzleFile(library.PathOf(record)).data) ? 1 : 0;
        }
        std::printf("%d of %d puzzles found in the shipped %s: %.1f ms\n", known, library.count(),
                    ShippedLevels::kFileName, MillisecondsSince(start));
    } else {
        std::printf("(give a data folder to time rating its puzzles)\n");
    }
    std::filesystem::remove_all(folder);
    return 0;
}
