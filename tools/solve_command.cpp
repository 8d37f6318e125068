#include "tools/solve_command.h"

#include <bit>
#include <iostream>

#include "library/bilingual_text.h"
#include "solver/board_questions.h"
#include "tools/json_writer.h"
#include "tools/placed_records.h"
#include "tools/progress_line.h"
#include "tools/puzzle_input.h"
#include "tools/tool_text.h"

namespace tessellix {

namespace {

std::string CountJson(const CountResult& result) {
    JsonWriter json;
    json.BeginObject();
    json.Field("tilings", static_cast<long long>(result.tilings));
    json.Field("distinct", static_cast<long long>(result.distinct));
    json.EndObject();
    return json.Text();
}

std::string SolutionJson(const std::array<ElementRecord, kElementRecordCount>& records) {
    JsonWriter json;
    json.BeginObject();
    json.Key("elements").BeginArray();
    for (const ElementRecord& record : records) {
        // An excluded element reads back as the file layer reads one without placement.
        json.BeginObject();
        json.Field("excluded", record.used ? 0 : 1);
        const Placement shown = record.used ? record.placement : Placement{};
        json.Field("solutionRotation", shown.rotation);
        json.Field("solutionMirrored", shown.mirrored);
        json.Field("solutionColumn", shown.column);
        json.Field("solutionRow", shown.row);
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
    return json.Text();
}

void PrintSolution(const TilingSolver& solver, const Solution& solution) {
    for (const std::string& row : solver.Picture(solution)) {
        std::cout << row << '\n';
    }
    for (int element = 0; element < kElementRecordCount; ++element) {
        if (!solution[element].placed) {
            continue;
        }
        const Placement& p = solution[element].placement;
        std::cout << ElementName(element) << ": rotation " << p.rotation << ", mirrored "
                  << p.mirrored << ", column " << p.column << ", row " << p.row << '\n';
    }
}

// The covers that keep every element the records place where it lies; with none placed, the
// distinct solutions, as the game's Check board counts them.
int CountKeepingPlaced(const std::string& path, const PuzzleFileData& data, bool json) {
    BoardQuestions questions(data.grid, kGridSide, UsedElementMask(data.elements));
    const std::vector<PlacedElement> placed = PlacedByRecords(data.elements);
    if (const std::optional<Failure> refusal = PlacedRefusal(questions.Validate(placed))) {
        return ReportFailure(path, *refusal);
    }
    const std::uint64_t completions = questions.CountCompletions(placed, 0);
    if (json) {
        JsonWriter writer;
        writer.BeginObject().Field("completions", static_cast<long long>(completions)).EndObject();
        std::cout << writer.Text() << '\n';
    } else if (placed.empty()) {
        std::cout << "Completions: " << completions
                  << " (no element placed: the distinct solutions)\n";
    } else {
        std::cout << "Completions: " << completions << " (keeping the " << placed.size()
                  << (placed.size() == 1 ? " placed element where it lies)\n"
                                         : " placed elements where they lie)\n");
    }
    return kExitOk;
}

int RunSolve(const std::vector<std::string>& arguments) {
    const ToolCommand command = SolveCommand();
    ParsedArguments parsed;
    if (const auto status =
            ParseCommandLine(command, arguments, {"--count", "--store", "--json", "--keep-placed"},
                             1, "exactly one FILE", parsed)) {
        return *status;
    }
    if (parsed.Has("--count") && parsed.Has("--store")) {
        return UsageError(command, "--count and --store do not go together");
    }
    if (parsed.Has("--keep-placed") && !parsed.Has("--count")) {
        return UsageError(command, "--keep-placed goes with --count");
    }
    const std::string& path = parsed.operands[0];
    const Result<LoadedPuzzle> puzzle = LoadToolPuzzle(path);
    if (!puzzle) {
        return ReportFailure(puzzle.Error());
    }
    const TilingSolver solver(puzzle->data.grid, kGridSide, puzzle->UsedElements());
    if (const std::optional<Failure> refusal = SolverRefusal(solver)) {
        return ReportFailure(path, *refusal);
    }

    if (parsed.Has("--keep-placed")) {
        return CountKeepingPlaced(path, puzzle->data, parsed.Has("--json"));
    }
    if (parsed.Has("--count")) {
        // Long counts show how far they are.
        ProgressLine progress;
        CountOptions options;
        options.progress = [&](const CountProgress& now) {
            if (progress.Due()) {
                progress.Show("counting: " + std::to_string(now.tilings) + " tilings so far, " +
                              std::to_string(static_cast<int>(now.fraction * 100)) +
                              "% of the first moves");
            }
            return true;
        };
        const CountResult result = solver.Count(options);
        if (parsed.Has("--json")) {
            std::cout << CountJson(result) << '\n';
        } else {
            std::cout << "Tilings: " << result.tilings << '\n'
                      << "Distinct: " << result.distinct << " (up to the " << result.symmetries
                      << (result.symmetries == 1 ? " symmetry" : " symmetries")
                      << " of the shape)\n";
        }
        return kExitOk;
    }

    const std::optional<Solution> solution = solver.FindFirst();
    if (!solution) {
        return ReportFailure(path, "the puzzle has no solution");
    }
    const Solution& records = *solution;
    if (parsed.Has("--store")) {
        if (const std::optional<Failure> failure = RewriteElementBlock(path, records)) {
            return ReportFailure(path,
                                 "the solution cannot be stored: " +
                                     ReasonText(failure->Message().In(Language::English), path));
        }
    }
    if (parsed.Has("--json")) {
        std::cout << SolutionJson(records) << '\n';
    } else {
        PrintSolution(solver, *solution);
    }
    return kExitOk;
}

}  // namespace

std::optional<Failure> SolverRefusal(const TilingSolver& solver) {
    const int cells = solver.Region().CellCount();
    const int elements = std::popcount(solver.UsedElements());
    switch (solver.Problem()) {
        case SolverProblem::EmptyRegion:
            return ToolFailure("the puzzle has no cells");
        case SolverProblem::CellCountMismatch:
            return ToolFailure("the puzzle has " + std::to_string(cells) + " cells, but its " +
                               std::to_string(elements) + " used elements cover " +
                               std::to_string(5 * elements));
        case SolverProblem::None:
            break;
    }
    return std::nullopt;
}

ToolCommand SolveCommand() {
    return {"solve", "solve [--count [--keep-placed] | --store] [--json] FILE",
            "Solves the puzzle file FILE with the elements it uses and prints one solution:\n"
            "the shape with each cell's element letter (ILYNVTZFWUXP for elements 0 to 11)\n"
            "and each element's placement as the file stores it.\n"
            "  --count  counts every solution instead: all tilings, and the distinct ones\n"
            "           up to the symmetries of the shape; shows progress on a terminal\n"
            "  --keep-placed  with --count: counts the completions that keep every element\n"
            "           the records place (their placed bit and position) where it lies;\n"
            "           with none placed, the distinct solutions; as check-board counts\n"
            "  --store  writes the solution into the file's element block in place, as the\n"
            "           game does when a player solves the puzzle; nothing else changes\n"
            "  --json   {\"tilings\": n, \"distinct\": n} with --count, {\"completions\": n}\n"
            "           with --keep-placed, otherwise\n"
            "           {\"elements\": [...]} with the 12 placements as `show --json` gives\n"
            "A puzzle whose cells are not five times its used elements, or that has no\n"
            "solution, is reported on standard error with exit status 1; the file is not\n"
            "touched.\n",
            RunSolve};
}

std::optional<Failure> BoardRefusal(const BoardQuestions& questions,
                                    const std::vector<PlacedElement>& placed) {
    if (std::optional<Failure> refusal = SolverRefusal(questions.Solver())) {
        return refusal;
    }
    return PlacedRefusal(questions.Validate(placed));
}

}  // namespace tessellix
