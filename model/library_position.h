#pragma once

#include "library/puzzle_library.h"

namespace tessellix {

// The library and the position in it of the puzzle on the play board, shared by the play session,
// which moves it, and the editor, which asks whether a puzzle is the one being solved and keeps
// the position on its puzzle as records come and go.
class LibraryPosition {
  public:
    // At the start position, with the built-in rectangle on the board until a puzzle is played.
    explicit LibraryPosition(PuzzleLibrary& library);

    // Where play over the library starts: 0, or 1 for an empty library.
    static int StartPosition(const PuzzleLibrary& library) { return library.count() > 0 ? 0 : 1; }

    PuzzleLibrary& Library() { return library; }
    const PuzzleLibrary& Library() const { return library; }
    // Whether the library held a puzzle when play began, or has gained one since.
    bool LibraryNonEmpty() const { return libraryNonEmpty; }
    // The position through which Next and Previous move and a solution is stored; it designates
    // no record while the library is empty.
    int Index() const { return index; }
    // The record of the puzzle on the board; nullptr while the built-in rectangle is played,
    // whose solutions are never written.
    const PuzzleRecord* PlayedRecord() const;
    // Whether the record at position is the puzzle on the board.
    bool IsPlayed(int position) const { return PlayedRecord() != nullptr && position == index; }

    // The library puzzle at position is on the board now.
    void Play(int position);
    // The record at position has left the library: the position stays on its puzzle.
    void RecordRemoved(int position);
    // A record has joined the library at position: the position stays on its puzzle, and the
    // first record of a library that was empty becomes the position.
    void RecordInserted(int position);

  private:
    PuzzleLibrary& library;
    bool libraryNonEmpty;
    int index;
    bool playsBuiltIn = true;
};

}  // namespace tessellix
