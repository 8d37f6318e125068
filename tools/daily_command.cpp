#include "tools/daily_command.h"

#include <filesystem>
#include <iostream>

#include "library/puzzle_library.h"
#include "solver/daily_puzzle.h"
#include "tools/progress_line.h"
#include "tools/puzzle_input.h"
#include "tools/tool_text.h"

namespace tessellix {

namespace {

int RunDaily(const std::vector<std::string>& arguments) {
    const ToolCommand command = DailyCommand();
    ParsedArguments parsed;
    if (const auto status =
            ParseCommandLine(command, arguments, {}, 1, "exactly one FOLDER", parsed, {"--date"})) {
        return *status;
    }
    CalendarDate date = CalendarDate::Today();
    if (const auto given = parsed.Value("--date")) {
        const auto parsedDate = CalendarDate::Parse(*given);
        if (!parsedDate) {
            return UsageError(
                command, "--date takes a date as YYYY-MM-DD, not \"" + VisibleText(*given) + "\"");
        }
        date = *parsedDate;
    }
    const std::string& folder = parsed.operands[0];
    OutputFolder output(folder);
    if (const std::optional<int> status = output.Open(command)) {
        return *status;
    }
    PuzzleLibrary library;
    library.ScanDataFolder(folder);
    for (const PuzzleRecord& record : library) {
        if (DailyDateOf(record.names) == date) {
            std::cout << PlaceMessage(library.PathOf(record),
                                      "already the puzzle of the day " + date.Text())
                      << '\n';
            return kExitOk;
        }
    }

    ProgressLine progressLine;
    const GeneratedPuzzle puzzle = GenerateDaily(date, nullptr, [&](int tries) {
        if (progressLine.Due()) {
            progressLine.Show("generating the puzzle of the day " + date.Text() + ": " +
                              std::to_string(tries) + " shapes tried");
        }
    });
    progressLine.Clear();
    if (puzzle.status != GeneratorStatus::Generated) {
        return output.Fail(folder, "no puzzle of the day " + date.Text() + " found in " +
                                       std::to_string(puzzle.tries) + " shapes");
    }
    const std::string path =
        library.DataFolder() + PuzzleFileName(library.FreeNumber(kFirstDeletableNumber));
    if (const std::optional<Failure> failure = WritePuzzleFile(path, puzzle.data)) {
        return output.Fail(path, "cannot be written: " +
                                     ReasonText(failure->Message().In(Language::English), path));
    }
    output.Written();
    std::cout << PlaceMessage(path, "puzzle of the day " + date.Text() + ", " +
                                        std::string(LevelName(puzzle.rating.level)) + ", " +
                                        std::to_string(puzzle.rating.measure.DeadEndsPerCover()) +
                                        " dead ends per cover")
              << '\n';
    return kExitOk;
}

}  // namespace

ToolCommand DailyCommand() {
    return {"daily", "daily [--date YYYY-MM-DD] FOLDER",
            "Writes the puzzle of the day into FOLDER (made when missing) under the first free\n"
            "number of 200 or more, byte for byte the file that the game's Puzzle of the day\n"
            "writes on that date: twelve elements, easy on Mondays and Tuesdays, medium on\n"
            "Wednesdays and Thursdays, hard on the other days, from the seed YYYYMMDD (the\n"
            "date's digits as one number). When a puzzle of that day is in FOLDER already,\n"
            "names its file and writes nothing.\n"
            "  --date YYYY-MM-DD  that date's puzzle; without it, today's by the local clock\n",
            RunDaily};
}

}  // namespace tessellix
