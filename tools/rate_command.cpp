#include "tools/rate_command.h"

#include <array>
#include <bit>
#include <filesystem>
#include <iostream>

#include "answers/step_text.h"
#include "library/puzzle_library.h"
#include "solver/puzzle_level.h"
#include "solver/step_explainer.h"
#include "tools/json_writer.h"
#include "tools/progress_line.h"
#include "tools/puzzle_input.h"
#include "tools/solve_command.h"
#include "tools/tool_text.h"

namespace tessellix {

namespace {

struct RatedPuzzle {
    std::string name;  // as shown: the path given, or the file name in a folder
    int elements = 0;
    Rating rating;
    std::uint64_t solutions = 0;  // distinct
    std::string reason;           // "medium: 7 forced steps, then a guess among 3"
};

// The rating of the puzzle file at path; the message "PATH: what is wrong" when there is none.
Result<RatedPuzzle> Rate(const std::string& path) {
    const Result<LoadedPuzzle> puzzle = LoadToolPuzzle(path);
    if (!puzzle) {
        return puzzle.Error();
    }
    const TilingSolver solver(puzzle->data.grid, kGridSide, puzzle->UsedElements());
    if (const std::optional<Failure> refusal = SolverRefusal(solver)) {
        return ToolFailure(PlaceMessage(path, ToolWords(*refusal)));
    }
    RatedPuzzle rated;
    rated.elements = std::popcount(solver.UsedElements());
    rated.rating = *RatePuzzle(solver);
    rated.solutions = solver.Count().distinct;
    rated.reason =
        LevelReasonText(rated.rating.level, PuzzlePathSummary(puzzle->data)).In(Language::English);
    return rated;
}

std::string Text(const RatedPuzzle& rated) {
    const DeductionMeasure& m = rated.rating.measure;
    std::string text =
        std::string(LevelName(rated.rating.level)) + ", " + std::to_string(m.DeadEndsPerCover()) +
        " dead ends per cover (" + std::to_string(rated.elements) + " elements: medium 1 to " +
        std::to_string(MediumLimit(rated.elements)) + "); " + std::to_string(m.guesses) +
        " guesses, " + std::to_string(m.forcedMoves) + " forced moves";
    if (!m.complete) {
        text += ", the search stopped there";
    }
    return text + "; " + std::to_string(rated.solutions) +
           (rated.solutions == 1 ? " solution" : " solutions") + "; " + rated.reason;
}

void WriteJson(JsonWriter& json, const RatedPuzzle& rated) {
    const DeductionMeasure& m = rated.rating.measure;
    const auto number = [](std::uint64_t value) { return static_cast<long long>(value); };
    json.BeginObject();
    json.Field("fileName", rated.name);
    json.Field("level", LevelName(rated.rating.level));
    json.Field("elements", rated.elements);
    json.Field("deadEndsPerCover", number(m.DeadEndsPerCover()));
    json.Field("mediumLimit", number(MediumLimit(rated.elements)));
    json.Field("deadEnds", number(m.deadEnds));
    json.Field("guesses", number(m.guesses));
    json.Field("forcedMoves", number(m.forcedMoves));
    json.Field("covers", number(m.covers));
    json.Field("searchComplete", m.complete ? 1 : 0);
    json.Field("solutions", number(rated.solutions));
    json.Field("reason", rated.reason);
    json.EndObject();
}

int RateFile(const std::string& path, bool asJson) {
    Result<RatedPuzzle> rating = Rate(path);
    if (!rating) {
        return ReportFailure(rating.Error());
    }
    RatedPuzzle& rated = *rating;
    rated.name = path;
    if (asJson) {
        JsonWriter json;
        WriteJson(json, rated);
        std::cout << json.Text() << '\n';
    } else {
        std::cout << PlaceMessage(path, Text(rated)) << '\n';
    }
    return kExitOk;
}

// Every puzzle of the library the folder gives, in its order; one that cannot be rated is
// reported and the others still are.
int RateFolder(const std::string& folder, bool asJson) {
    if (const std::optional<Failure> problem = FolderProblem(folder)) {
        return ReportFailure(folder, *problem);
    }
    PuzzleLibrary library;
    library.ScanDataFolder(folder);
    if (library.count() == 0) {
        return ReportFailure(folder, "no puzzle files (N.TLX) in this folder");
    }
    int status = kExitOk;
    std::array<int, kLevels.size()> perLevel{};
    JsonWriter json;
    json.BeginObject().Key("puzzles").BeginArray();
    ProgressLine progress;
    int done = 0;
    for (const PuzzleRecord& record : library) {
        progress.Show("rating " + std::to_string(++done) + " of " +
                      std::to_string(library.count()));
        Result<RatedPuzzle> rating = Rate(library.PathOf(record));
        progress.Clear();
        if (!rating) {
            status = ReportFailure(rating.Error());
            continue;
        }
        RatedPuzzle& rated = *rating;
        rated.name = record.fileName;
        ++perLevel[static_cast<int>(rated.rating.level)];
        if (asJson) {
            WriteJson(json, rated);
        } else {
            std::cout << PlaceMessage(rated.name, Text(rated)) << '\n';
        }
    }
    json.EndArray();
    std::string summary;
    for (Level level : kLevels) {
        const int count = perLevel[static_cast<int>(level)];
        json.Field(LevelName(level), count);
        summary += (summary.empty() ? "" : ", ") + std::to_string(count) + " " +
                   std::string(LevelName(level));
    }
    json.EndObject();
    if (asJson) {
        std::cout << json.Text() << '\n';
    } else {
        std::cout << PlaceMessage(folder, summary) << '\n';
    }
    return status;
}

int RunRate(const std::vector<std::string>& arguments) {
    const ToolCommand command = RateCommand();
    ParsedArguments parsed;
    if (const auto status = ParseCommandLine(command, arguments, {"--json"}, 1,
                                             "exactly one FILE or FOLDER", parsed)) {
        return *status;
    }
    const std::string& path = parsed.operands[0];
    std::error_code error;
    return std::filesystem::is_directory(path, error) ? RateFolder(path, parsed.Has("--json"))
                                                      : RateFile(path, parsed.Has("--json"));
}

}  // namespace

ToolCommand RateCommand() {
    return {"rate", "rate [--json] FILE|FOLDER",
            "Rates how hard the puzzle file FILE is to deduce, or every puzzle of the data\n"
            "folder FOLDER in the game's order. A solver working as a person does makes the\n"
            "forced moves first: an element onto the only possible place that covers some empty\n"
            "cell, or onto its own only possible place, a place being possible while it walls\n"
            "off no area of fewer than five cells. Only when nothing is forced does it guess, at\n"
            "the cell or element with the fewest places, and it follows every guess to its end.\n"
            "D is its dead ends (a cell or an element left without a place, or an area that is\n"
            "no multiple of five cells) per cover found, N the number of elements:\n"
            "  easy    D = 0: forced moves alone solve it, or no guess goes wrong\n"
            "  medium  D from 1 to (N - 2)^2 (100 for 12 elements)\n"
            "  hard    D above (N - 2)^2\n"
            "Dead ends multiply as elements are added, hence a limit that grows with N; the\n"
            "square was chosen from the spread of D, and rates the shipped library 6 easy, 60\n"
            "medium and 46 hard. Counting moves, never time, the level is the same on every\n"
            "machine. The search stops after 100000 guesses, and a board with thousands\n"
            "of solutions is rated on what it found by then.\n"
            "Prints the level, D, the guesses, the forced moves, the number of distinct\n"
            "solutions and the reason: the level with the solution path of `explain --path`,\n"
            "\"easy: 12 forced steps\" when it needs no guess, else \"medium: 7 forced steps,\n"
            "then a guess among 3\" (the forced steps before the first guess and that guess's\n"
            "ways; \"a guess among 24 at the start\" without a forced step first), followed by\n"
            "\", 4 guesses in all\" when it makes more than one guess; for a folder, then how\n"
            "many puzzles have each level.\n"
            "  --json  an object per puzzle (fileName, level, elements, deadEndsPerCover,\n"
            "          mediumLimit, deadEnds, guesses, forcedMoves, covers, searchComplete,\n"
            "          solutions, reason); for a folder {\"puzzles\": [...], \"easy\": n,\n"
            "          \"medium\": n, \"hard\": n}\n",
            RunRate};
}

}  // namespace tessellix
