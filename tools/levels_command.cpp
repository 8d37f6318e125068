#include "tools/levels_command.h"

#include <iostream>

#include "library/puzzle_library.h"
#include "library/shipped_levels.h"
#include "solver/file_rating.h"
#include "tools/progress_line.h"
#include "tools/tool_text.h"

namespace tessellix {

namespace {

int RunLevels(const std::vector<std::string>& arguments) {
    const ToolCommand command = LevelsCommand();
    ParsedArguments parsed;
    if (const auto status =
            ParseCommandLine(command, arguments, {}, 1, "exactly one FOLDER", parsed)) {
        return *status;
    }
    const std::string& folder = parsed.operands[0];
    PuzzleLibrary library;
    library.ScanDataFolder(folder);
    if (library.count() == 0) {
        return ReportFailure(folder, "no puzzle files (N.TLX) in this folder");
    }
    ShippedLevels table;
    ProgressLine progress;
    int done = 0;
    for (const PuzzleRecord& record : library) {
        progress.Show("rating " + std::to_string(++done) + " of " +
                      std::to_string(library.count()));
        const std::string path = library.PathOf(record);
        const std::optional<Level> level = RatePuzzleFile(path);
        progress.Clear();
        // A table short of a puzzle would only be slower, but a shipped puzzle that cannot be
        // rated is a fault of the puzzles.
        if (!level) {
            return ReportFailure(record.fileName, "not a puzzle that can be rated");
        }
        table.Add(record.fileName, ReadPuzzleFile(path).data, *level);
    }
    std::cout << table.Text();
    return kExitOk;
}

}  // namespace

ToolCommand LevelsCommand() {
    return {"levels", "levels FOLDER",
            "Rates every puzzle of the data folder FOLDER, as rate does, and prints the table\n"
            "of levels that the game ships beside its puzzles (data/levels.txt), so that its\n"
            "statistics know the shipped puzzles' levels without rating them. Each line names\n"
            "a puzzle file, a key made of its cells and elements, and its level; the game\n"
            "rates a puzzle itself when its key is not in the table.\n",
            RunLevels};
}

}  // namespace tessellix
