#pragma once

#include <string>

#include "library/puzzle_file.h"
#include "library/puzzle_library.h"
#include "model/play_session.h"

namespace tessellix {

// A puzzle file given on the command line, loaded onto a board as the game loads it.
struct ToolPuzzle {
    std::string fileName;         // without the folder
    int number = 0;               // NumberOf the file name
    PuzzleFileContents contents;  // the file as read, with its 31 x 31 grid
    PuzzleLibrary noLibrary;      // a file given by its path belongs to no library
    // The file's puzzle with a fresh set of elements carrying its flags and stored solution.
    PlaySession session{noLibrary};
};

// Reads the puzzle file at path. False, with a one-line message "PATH: what is wrong", for a
// file that is missing, unreadable, without the signature or cut short before its cells, which
// the game cannot play. A file cut short after its cells loads, with the default names, as the
// game plays it.
bool LoadToolPuzzle(const std::string& path, ToolPuzzle& puzzle, std::string& error);

// What keeps the file read from path from being a puzzle that the game plays (a folder, a device
// or anything else that is no regular file, unread, no signature, no cells), without the file's
// name; empty when nothing does.
std::string ContentsProblem(const PuzzleFileContents& contents, const std::string& path);

// "cut short at N bytes, before its text block at byte 213" for a file that ends before its
// texts, whose names the game then makes up; empty for one that does not.
std::string CutShortText(const PuzzleFileContents& contents);

// What keeps folder from being read as a data folder (missing, not a folder, unreadable),
// without the folder's name; empty when nothing does.
std::string FolderProblem(const std::string& folder);

}  // namespace tessellix
