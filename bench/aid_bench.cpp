// Check board, Hint from here and Explain a step on every shipped puzzle: for each number k of
// placed elements from 1 to N - 1, boards of k elements that fit, half of them taken from a
// solution (so they can be finished) and half placed at random (mostly not). Each question is timed
// on a fresh BoardQuestions, so what one board teaches never speeds up the next. Prints per k the
// median, 99th percentile and worst time of each question, the number of boards and the share that
// could be finished.
// Build in Release to measure; then ./aid_bench [--cpu] [DATA_FOLDER [BOARDS_PER_SIZE]]
#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "bench/median.h"
#include "library/puzzle_file.h"
#include "solver/board_questions.h"
#include "solver/step_explainer.h"

namespace tessellix {

namespace {

constexpr unsigned kSeed = 23;
constexpr int kSolutionsToPickFrom = 64;

struct Puzzle {
    std::string name;
    std::vector<int> grid;
    unsigned used = 0;
    std::array<Placement, kElementRecordCount> stored;
    std::vector<std::vector<PlacedElement>> solutions;
};

struct Timings {
    std::vector<double> check;
    std::vector<double> hint;
    std::vector<double> explain;
    int finishable = 0;
};

std::vector<Puzzle> ReadPuzzles(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> paths;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::string extension = entry.path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(), ::toupper);
        if (extension == ".TLX") {
            paths.push_back(entry.path());
        }
    }
    std::sort(paths.begin(), paths.end());
    std::vector<Puzzle> puzzles;
    for (const auto& path : paths) {
        const PuzzleFileContents contents = ReadPuzzleFile(path.string());
        if (contents.readFailure || !contents.HasCells()) {
            continue;
        }
        Puzzle puzzle{path.filename().string(), contents.data.grid, 0, {}, {}};
        for (int i = 0; i < kElementRecordCount; ++i) {
            const ElementRecord& record = contents.data.elements[i];
            puzzle.used |= record.used ? 1u << i : 0;
            puzzle.stored[i] = record.placed ? record.placement : Placement{};
        }
        const TilingSolver solver(puzzle.grid, kGridSide, puzzle.used);
        if (solver.Problem() != SolverProblem::None) {
            continue;
        }
        solver.ForEachSolution([&](const Solution& solution) {
            std::vector<PlacedElement> all;
            for (int i = 0; i < kElementRecordCount; ++i) {
                if (solution[i].placed) {
                    all.push_back({i, solution[i].placement});
                }
            }
            puzzle.solutions.push_back(all);
            return puzzle.solutions.size() < kSolutionsToPickFrom;
        });
        if (!puzzle.solutions.empty()) {
            puzzles.push_back(std::move(puzzle));
        }
    }
    return puzzles;
}

// k elements of one of the puzzle's solutions, in a random order.
std::vector<PlacedElement> FromSolution(const Puzzle& puzzle, int k, std::mt19937& random) {
    std::vector<PlacedElement> all = puzzle.solutions[random() % puzzle.solutions.size()];
    std::shuffle(all.begin(), all.end(), random);
    all.resize(k);
    return all;
}

// k elements, each put on a random place where it fits among those placed before it; a try
// where some element finds no place starts again.
std::vector<PlacedElement> AtRandom(const Puzzle& puzzle, const TilingSolver& solver, int k,
                                    std::mt19937& random) {
    std::vector<int> elements;
    std::array<std::vector<const TilingSolver::PlacementInfo*>, kElementRecordCount> places;
    for (const auto& info : solver.Placements()) {
        places[info.element].push_back(&info);
    }
    for (int i = 0; i < kElementRecordCount; ++i) {
        if ((puzzle.used & (1u << i)) != 0) {
            elements.push_back(i);
        }
    }
    std::vector<const TilingSolver::PlacementInfo*> fitting;
    while (true) {
        std::shuffle(elements.begin(), elements.end(), random);
        std::vector<PlacedElement> placed;
        std::uint64_t filled = 0;
        for (int element : elements) {
            fitting.clear();
            for (const auto* info : places[element]) {
                if ((info->mask & filled) == 0) {
                    fitting.push_back(info);
                }
            }
            if (fitting.empty()) {
                break;
            }
            const auto* chosen = fitting[random() % fitting.size()];
            filled |= chosen->mask;
            placed.push_back({element, chosen->placement});
            if (static_cast<int>(placed.size()) == k) {
                return placed;
            }
        }
    }
}

double ThreadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Wall time, or with cpuTime the processor time of this thread, which others' load on a shared
// machine moves less.
template <typename Question>
double TimeMs(const Question& question, bool cpuTime) {
    if (cpuTime) {
        const double start = ThreadCpuMs();
        question();
        return ThreadCpuMs() - start;
    }
    const auto start = std::chrono::steady_clock::now();
    question();
    const auto stop = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(stop - start).count();
}

double Percentile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(std::ceil(share * values.size()));
    return values.empty() ? 0 : values[std::max<std::size_t>(rank, 1) - 1];
}

void PrintRow(const std::string& label, const Timings& t) {
    std::printf("%-6s %7.2f %7.2f %8.2f   %7.2f %7.2f %8.2f   %7.2f %7.2f %8.2f %7zu %6.0f%%\n",
                label.c_str(), Median(t.check), Percentile(t.check, 0.99), Percentile(t.check, 1.0),
                Median(t.hint), Percentile(t.hint, 0.99), Percentile(t.hint, 1.0),
                Median(t.explain), Percentile(t.explain, 0.99), Percentile(t.explain, 1.0),
                t.check.size(), t.check.empty() ? 0.0 : 100.0 * t.finishable / t.check.size());
}

}  // namespace

}  // namespace tessellix

int main(int argc, char** argv) {
    using namespace tessellix;
    std::vector<std::string> arguments(argv + 1, argv + argc);
    const bool cpuTime = !arguments.empty() && arguments.front() == "--cpu";
    if (cpuTime) {
        arguments.erase(arguments.begin());
    }
    const std::filesystem::path folder =
        arguments.size() > 0 ? arguments[0] : std::string(TESSELLIX_DATA_DIR);
    const int boards = arguments.size() > 1 ? std::max(2, std::atoi(arguments[1].c_str())) : 50;
    const std::vector<Puzzle> puzzles = ReadPuzzles(folder);
    std::mt19937 random(kSeed);
    std::map<int, Timings> bySize;
    Timings all;
    for (const Puzzle& puzzle : puzzles) {
        const TilingSolver solver(puzzle.grid, kGridSide, puzzle.used);
        const int n = std::popcount(puzzle.used);
        for (int k = 1; k < n; ++k) {
            for (int b = 0; b < boards; ++b) {
                const std::vector<PlacedElement> placed = b % 2 == 0
                                                              ? FromSolution(puzzle, k, random)
                                                              : AtRandom(puzzle, solver, k, random);
                BoardCheck check;
                const double checkMs = TimeMs(
                    [&] {
                        BoardQuestions questions(puzzle.grid, kGridSide, puzzle.used);
                        check = questions.Check(placed);
                    },
                    cpuTime);
                BoardHint hint;
                const double hintMs = TimeMs(
                    [&] {
                        BoardQuestions questions(puzzle.grid, kGridSide, puzzle.used);
                        hint = questions.HintFromHere(placed, puzzle.stored);
                    },
                    cpuTime);
                std::optional<ExplainedStep> step;
                const double explainMs = TimeMs(
                    [&] {
                        BoardQuestions questions(puzzle.grid, kGridSide, puzzle.used);
                        step = StepExplainer(questions).Explain(placed);
                    },
                    cpuTime);
                const bool explainedFinishable =
                    step && step->kind != StepKind::Region && step->kind != StepKind::Blocked;
                if (explainedFinishable != check.finishable) {
                    std::fprintf(stderr, "%s: check and explain disagree on a board of %d\n",
                                 puzzle.name.c_str(), k);
                    return 1;
                }
                if (check.finishable != hint.finishable || check.finishable != !!hint.next) {
                    std::fprintf(stderr, "%s: check and hint disagree on a board of %d\n",
                                 puzzle.name.c_str(), k);
                    return 1;
                }
                for (Timings* t : {&bySize[k], &all}) {
                    t->check.push_back(checkMs);
                    t->hint.push_back(hintMs);
                    t->explain.push_back(explainMs);
                    t->finishable += check.finishable ? 1 : 0;
                }
            }
        }
    }
    std::printf("%zu puzzles, %d boards per number of placed elements, %s\n", puzzles.size(),
                boards, cpuTime ? "processor time of the thread" : "wall time");
    std::printf("%-6s %-26s   %-26s   %-26s %7s %7s\n", "placed", "Check board ms",
                "Hint from here ms", "Explain a step ms", "boards", "finish");
    std::printf("%-6s %7s %7s %8s   %7s %7s %8s   %7s %7s %8s\n", "", "median", "p99", "worst",
                "median", "p99", "worst", "median", "p99", "worst");
    for (const auto& [k, timings] : bySize) {
        PrintRow(std::to_string(k), timings);
    }
    PrintRow("all", all);
    return 0;
}
