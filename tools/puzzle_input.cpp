#include "tools/puzzle_input.h"

#include <filesystem>

#include "library/puzzle_library.h"

bool LoadToolPuzzle(const std::string& path, ToolPuzzle& puzzle, std::string& error) {
    puzzle.contents = ReadPuzzleFile(path);
    if (!puzzle.contents.opened) {
        error = puzzle.contents.error;
        return false;
    }
    if (!puzzle.contents.hasSignature) {
        error = path + ": not a puzzle file (it does not start with \"Tessellix\")";
        return false;
    }
    if (!puzzle.contents.IsComplete()) {
        error = path + ": not a puzzle file (" + std::to_string(puzzle.contents.length) +
                " bytes; a puzzle file has at least " + std::to_string(kTextBlockOffset) + ")";
        return false;
    }
    const std::filesystem::path file(path);
    const std::string folder = file.parent_path().string();
    dataFolder = folder.empty() ? std::string("./") : folder + "/";
    puzzle.fileName = file.filename().string();
    puzzle.number = NumberOf(puzzle.fileName);
    puzzle.shape = std::make_unique<PuzzleShape>();
    if (!puzzle.shape->Load(puzzle.fileName, puzzle.elements)) {
        error = path + ": could not be loaded";
        return false;
    }
    return true;
}
