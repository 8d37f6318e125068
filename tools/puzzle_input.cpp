#include "tools/puzzle_input.h"

#include <filesystem>

#include "model/language.h"

bool LoadToolPuzzle(const std::string& path, ToolPuzzle& puzzle, std::string& error) {
    puzzle.contents = ReadPuzzleFile(path);
    if (!puzzle.contents.opened) {
        error = puzzle.contents.error[English];
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
    puzzle.fileName = std::filesystem::path(path).filename().string();
    puzzle.number = NumberOf(puzzle.fileName);
    if (!puzzle.session.LoadPuzzle(path)) {
        error = path + ": could not be loaded";
        return false;
    }
    return true;
}
