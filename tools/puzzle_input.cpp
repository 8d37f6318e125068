#include "tools/puzzle_input.h"

#include <filesystem>

#include "library/bilingual_text.h"
#include "tools/tool_text.h"

namespace tessellix {

std::string ContentsProblem(const PuzzleFileContents& contents, const std::string& path) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!error && std::filesystem::is_directory(status)) {
        return "not a puzzle file: it is a folder";
    }
    if (!error && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        return "not a puzzle file: it is not a regular file";
    }
    if (contents.readFailure) {
        return "cannot be read: " +
               ReasonText(contents.readFailure->Message().In(Language::English), path);
    }
    if (!contents.hasSignature) {
        return "not a puzzle file: it does not start with \"Tessellix\"";
    }
    if (!contents.HasCells()) {
        return "cannot be played: only " + std::to_string(contents.length) +
               " bytes, where the cells of a puzzle take the first " +
               std::to_string(kReservedOffset);
    }
    return {};
}

std::string CutShortText(const PuzzleFileContents& contents) {
    if (contents.IsComplete()) {
        return {};
    }
    return "cut short at " + std::to_string(contents.length) +
           " bytes, before its text block at byte " + std::to_string(kTextBlockOffset);
}

bool LoadToolPuzzle(const std::string& path, ToolPuzzle& puzzle, std::string& error) {
    puzzle.contents = ReadPuzzleFile(path);
    if (const std::string problem = ContentsProblem(puzzle.contents, path); !problem.empty()) {
        error = PlaceMessage(path, problem);
        return false;
    }
    puzzle.fileName = std::filesystem::path(path).filename().string();
    puzzle.number = NumberOf(puzzle.fileName);
    if (puzzle.session.LoadPuzzle(puzzle.contents, path)) {
        error = PlaceMessage(path, "cannot be loaded");
        return false;
    }
    return true;
}

std::string FolderProblem(const std::string& folder) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(folder, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return "no such folder";
    }
    if (!error && !std::filesystem::is_directory(status)) {
        return "not a folder";
    }
    if (!error) {
        std::filesystem::directory_iterator(folder, error);
    }
    return error ? "cannot be read: " + ReasonText(error.message()) : std::string();
}

}  // namespace tessellix
