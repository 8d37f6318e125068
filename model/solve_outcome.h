#pragma once

#include <array>
#include <optional>
#include <string>

#include "library/puzzle_file.h"
#include "library/solve_records.h"

namespace tessellix {

class PlaySession;

// What the solved sequence does with a board that a move has covered: decided here, from the
// session; the play commands show its messages and carry it out.
struct SolveOutcome {
    // Whether the player's solution goes into the puzzle's file.
    enum class Storing {
        None,   // the built-in puzzle: nothing is written
        Same,   // the file's solution has the same placements: nothing is replaced
        Ask,    // the file holds another solution: asked first
        Write,  // the file holds none
    };
    // Where the board goes once the solution is stored.
    enum class Next {
        NextPuzzle,
        StayOnLast,    // the last puzzle of the library: its solved board stays, with a message
        ResetBuiltIn,  // every element home, keeping its orientation
    };

    // The solve to count, by the solved mark and in the records; none for the built-in puzzle.
    std::optional<Solve> solve;
    Storing storing = Storing::None;
    // The file that the element records go into.
    std::string path;
    std::array<ElementRecord, kElementRecordCount> records{};
    Next next = Next::ResetBuiltIn;

    // The solved sequence of the session's covered board, solved on `today`.
    static SolveOutcome Decide(const PlaySession& session, const CalendarDate& today);
};

}  // namespace tessellix
