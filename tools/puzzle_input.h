#pragma once

#include <memory>
#include <string>

#include "library/puzzle_file.h"
#include "model/element_set.h"
#include "model/puzzle_shape.h"

// A puzzle file given on the command line, loaded as the game loads it.
struct ToolPuzzle {
    std::string fileName;         // without the folder
    int number = 0;               // NumberOf the file name
    PuzzleFileContents contents;  // the file as read, with its 31 x 31 grid
    ElementSet elements;          // a fresh set with the file's flags and stored solution
    std::unique_ptr<PuzzleShape> shape;
};

// Reads path from its own folder (dataFolder becomes that folder). False, with a one-line
// message, for a file that is missing, unreadable, without the signature or shorter than the
// fixed part of a puzzle file.
bool LoadToolPuzzle(const std::string& path, ToolPuzzle& puzzle, std::string& error);
