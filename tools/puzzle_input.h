#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "library/puzzle_file.h"
#include "library/puzzle_library.h"
#include "model/play_session.h"

namespace tessellix {

struct ToolCommand;

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

// The folder a command writes puzzles into: made when missing, and removed again when the
// command ends without having written into it.
class OutputFolder {
  public:
    explicit OutputFolder(std::string folder) : folder(std::move(folder)) {}
    ~OutputFolder();
    OutputFolder(const OutputFolder&) = delete;
    OutputFolder& operator=(const OutputFolder&) = delete;

    // Makes the folder when it is missing, and only inside one that exists, so that a command
    // makes one folder at most. The exit status when the folder cannot take puzzles, after the
    // message: a usage error for a missing parent, else a failure naming the folder.
    std::optional<int> Open(const ToolCommand& command);
    void Written() { written = true; }
    // ReportFailure, the folder gone first when this command made it for nothing.
    int Fail(std::string_view where, const std::string& what);

  private:
    void RemoveIfUnused();

    std::string folder;
    bool created = false;
    bool written = false;
};

}  // namespace tessellix
