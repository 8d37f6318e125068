#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "solver/tiling_solver.h"

namespace tessellix {

// What solving a puzzle the way a person does took. Counts of moves and guesses only, never
// time, so the same puzzle gives the same figures on every machine.
struct DeductionMeasure {
    std::uint64_t forcedMoves = 0;  // made because a cell or an element had one place left
    std::uint64_t guesses = 0;      // options tried where nothing was forced
    std::uint64_t deadEnds = 0;     // positions found impossible, each undoing a guess
    std::uint64_t covers = 0;       // every cover, each arrangement of the shape counted apart
    bool complete = true;           // false when stopped by the guess limit or the caller

    // Dead ends per cover, rounded (all dead ends when there is no cover): how often a person
    // who guesses in no particular order runs into a contradiction and must undo before finding
    // a cover. Guesses that all lead to covers, as on a shape whose turns map one cover onto
    // another, cost nothing. With one cover it counts every wrong option refuted, so it does
    // not depend on which option happens to be tried first.
    std::uint64_t DeadEndsPerCover() const;
};

struct DeductionOptions {
    // The search ends after this many guesses (incomplete); 0: no limit.
    std::uint64_t maxGuesses = 0;
    // The search ends once this many covers are found (incomplete); 0: no limit.
    std::uint64_t maxCovers = 0;
    // The search ends once this many dead ends are found (incomplete); 0: no limit.
    std::uint64_t maxDeadEnds = 0;
    // Asked now and then; returning false stops the search.
    std::function<bool()> keepGoing;
};

// Solves a puzzle as a person would and counts what it does. A placement is possible while its
// element is free, its cells are empty and it walls off no area of fewer than five empty cells.
// The solver makes forced moves first: it puts an element on the only possible placement that
// covers some empty cell, or on its own only possible placement. Only when nothing is forced
// does it guess, at the cell or element with the fewest possible placements, trying each of
// them in turn. A position where a cell or an element has no possible placement left, or where
// an area of empty cells is not a multiple of five, is a dead end. The whole search is made,
// every guess followed to its end, so the figures are the same whatever order options take.
class DeductionSolver {
  public:
    // solver gives the region and the placements; it must have no Problem().
    explicit DeductionSolver(const TilingSolver& solver);

    DeductionMeasure Solve(const DeductionOptions& options = {}) const;

  private:
    class Search;

    struct Move {
        std::uint64_t mask = 0;
        std::uint64_t adjacent = 0;  // the empty cells around it may become a walled-off area
        int element = 0;
    };

    std::vector<Move> moves;
    std::vector<std::uint64_t> neighbours;  // per slot
    std::uint64_t cells = 0;
    unsigned used = 0;
};

}  // namespace tessellix
