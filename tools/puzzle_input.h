#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "library/failure.h"
#include "library/loaded_puzzle.h"
#include "library/puzzle_file.h"

namespace tessellix {

struct ToolCommand;

// The puzzle file given on the command line as the game loads it; the one-line message "PATH:
// what is wrong" for a file that the game cannot play: missing, unreadable, no regular file,
// without the signature or cut short before its cells. A file cut short after its cells loads,
// with the default names, as the game plays it.
Result<LoadedPuzzle> LoadToolPuzzle(const std::string& path);

// What keeps the file read from path from being a puzzle that the game plays (a folder, a device
// or anything else that is no regular file, unread, no signature, no cells), in the tool's words
// without the file's name; nothing when nothing does.
std::optional<Failure> ContentsProblem(const PuzzleFileContents& contents, const std::string& path);

// "cut short at N bytes, before its text block at byte 213" for a file of `length` bytes that
// ends before its texts, whose names the game then makes up; nothing for one that does not.
std::optional<std::string> CutShortText(std::size_t length);

// What keeps folder from being read as a data folder (missing, not a folder, unreadable), in the
// tool's words without the folder's name; nothing when nothing does.
std::optional<Failure> FolderProblem(const std::string& folder);

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
