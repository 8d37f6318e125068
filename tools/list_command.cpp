#include "tools/list_command.h"

#include <iostream>

#include "library/puzzle_library.h"
#include "model/library_position.h"
#include "tools/json_writer.h"
#include "tools/puzzle_input.h"
#include "tools/tool_text.h"

namespace tessellix {

namespace {

std::string Json(const PuzzleLibrary& library) {
    JsonWriter json;
    json.BeginObject();
    json.Field("currentPuzzleIndex", LibraryPosition::StartPosition(library));
    json.Key("records").BeginArray();
    for (const PuzzleRecord& record : library) {
        json.BeginObject();
        json.Field("fileName", record.fileName);
        json.Field("number", NumberOf(record.fileName));
        json.Pair("names", record.names);
        json.Pair("comments", record.comments);
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
    return json.Text();
}

void PrintText(const std::string& folder, const PuzzleLibrary& library) {
    std::string summary =
        std::to_string(library.count()) + (library.count() == 1 ? " puzzle" : " puzzles");
    // An empty library's position designates no puzzle, so it is not worth a word here.
    if (library.count() > 0) {
        summary += ", current index " + std::to_string(LibraryPosition::StartPosition(library));
    }
    std::cout << PlaceMessage(folder, summary) << '\n';
    int position = 0;
    for (const PuzzleRecord& record : library) {
        std::cout << "  " << position++ << ". " << VisibleText(record.fileName) << " (number "
                  << NumberOf(record.fileName)
                  << "): " << VisibleText(record.names.In(Language::Russian)) << " / "
                  << VisibleText(record.names.In(Language::English)) << '\n';
    }
}

int RunList(const std::vector<std::string>& arguments) {
    const ToolCommand command = ListCommand();
    ParsedArguments parsed;
    if (const auto status =
            ParseCommandLine(command, arguments, {"--json"}, 1, "exactly one FOLDER", parsed)) {
        return *status;
    }
    const std::string& folder = parsed.operands[0];
    if (const std::optional<Failure> problem = FolderProblem(folder)) {
        return ReportFailure(folder, *problem);
    }
    PuzzleLibrary library;
    library.ScanDataFolder(folder);
    if (parsed.Has("--json")) {
        std::cout << Json(library) << '\n';
    } else {
        PrintText(folder, library);
    }
    return kExitOk;
}

}  // namespace

ToolCommand ListCommand() {
    return {"list", "list [--json] FOLDER",
            "Prints the puzzle library that the game builds from the data folder FOLDER: the\n"
            "puzzle files it accepts, in the game's order, with their names (control\n"
            "characters shown as \\xNN, a backslash as \\\\).\n"
            "  --json  one JSON object: currentPuzzleIndex and records (fileName, number,\n"
            "          names, comments).\n",
            RunList};
}

}  // namespace tessellix
