#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "library/placement.h"
#include "solver/completion_counter.h"
#include "solver/tiling_solver.h"

namespace tessellix {

// Questions about a board with some elements on it, answered exactly with every placed element
// held where it lies: how many ways the board can still be finished, which placed elements
// stand in the way when it cannot, and one more placement from a completion. The game and
// `tessellix-puzzle` ask the same object.
//
// For the play session:
//   BoardQuestions questions(grid, kGridSide, usedMask);  // once per puzzle, kept while played
//   placed: the elements on the puzzle in the order they were placed, each as PlacedElement
//     {index, {rotation, mirrored, column, row}}, column and row counted in cells from the
//     puzzle matrix's top-left corner to the element matrix's, as a stored solution has them.
//   Check board:    questions.Check(placed): finishable, ways (kWaysCap + 1 = "more than
//                   kWaysCap"; on an empty board the distinct solutions), or takeAway.
//   Hint from here: questions.HintFromHere(placed, storedSolution): next, the element and the
//                   placement to put down, or takeAway when the board cannot be finished.
//   Show mistakes:  questions.IsFinishable(placed) after a drop.
// What one question learns speeds up the next. Not thread-safe: one object per thread.

// One element on the board.
struct PlacedElement {
    int element = 0;  // 0..11
    // Rotation and mirror in the element's convention; column and row of the top-left corner of
    // the element's packed matrix on the puzzle's cell matrix, as a stored solution has them.
    Placement placement;
    friend bool operator==(const PlacedElement&, const PlacedElement&) = default;
};

// Counts of ways up to this are told exactly; a larger number is reported as kWaysCap + 1,
// "more than kWaysCap".
inline constexpr std::uint64_t kWaysCap = 10000;

// Why a list of placed elements is no board of the puzzle.
enum class PlacedProblem {
    None,
    UnusedElement,   // an index outside 0..11, or an element the puzzle does not use
    PlacedTwice,     // the same element more than once
    BadOrientation,  // rotation outside 0..3 or mirrored outside 0..1
    OffThePuzzle,    // a cell of the element lies outside the puzzle's cells
    Overlap,         // a cell of the element is covered by one placed before it
};

struct PlacedCheck {
    PlacedProblem problem = PlacedProblem::None;
    int element = -1;  // the element at fault
};

// The answer of Check board.
struct BoardCheck {
    bool finishable = false;
    // Finishable: the covers that keep every placed element where it lies, at most
    // kWaysCap + 1. On an empty board: the distinct solutions up to the symmetries of the shape,
    // as `solve --count` gives them. A solved board has 1.
    std::uint64_t ways = 0;
    // Not finishable: the fewest placed elements whose removal makes the board finishable (one,
    // else two, else three; beyond that the last placed one), in the order they were placed.
    // Empty when the puzzle has no solution at all or the placed list is no board of it.
    std::vector<int> takeAway;
};

// The answer of Hint from here.
struct BoardHint {
    bool finishable = false;
    // Finishable and not solved: the element to place next and where, taken from a completion
    // of the board; from the stored solution when that keeps every placed element where it lies.
    std::optional<PlacedElement> next;
    std::vector<int> takeAway;  // not finishable: as BoardCheck::takeAway
};

class BoardQuestions {
  public:
    // grid: n x n, row-major, nonzero for a puzzle cell. usedElements: bit i for element i.
    BoardQuestions(const std::vector<int>& grid, int n, unsigned usedElements);
    ~BoardQuestions();

    // A puzzle with a problem has no board: every question answers "not finishable".
    SolverProblem Problem() const { return solver.Problem(); }
    const TilingSolver& Solver() const { return solver; }

    // Whether placed is a board of this puzzle; the questions below expect one.
    PlacedCheck Validate(const std::vector<PlacedElement>& placed) const;

    bool IsFinishable(const std::vector<PlacedElement>& placed);
    // The ways of BoardCheck: the covers that keep every placed element where it lies, or the
    // distinct solutions of an empty board; above cap, cap + 1. Cap 0: the exact number.
    std::uint64_t CountCompletions(const std::vector<PlacedElement>& placed,
                                   std::uint64_t cap = kWaysCap);
    BoardCheck Check(const std::vector<PlacedElement>& placed, std::uint64_t cap = kWaysCap);
    // stored: the puzzle's stored solution by element index. It is preferred only when it places
    // every used element, covers the puzzle and keeps every placed element where it lies. The
    // placement chosen covers the first empty cell in the solver's fill order.
    BoardHint HintFromHere(const std::vector<PlacedElement>& placed,
                           const std::array<Placement, kElementRecordCount>& stored);

  private:
    using Position = CompletionCounter::Position;

    // The slots of an element placed so; 0 when it leaves the region or is no valid state.
    std::uint64_t MaskOf(int element, const Placement& placement) const;
    bool IsBoard(const std::vector<PlacedElement>& placed) const;
    // Assumes a valid board.
    Position PositionOf(const std::vector<PlacedElement>& placed) const;
    std::uint64_t Ways(const std::vector<PlacedElement>& placed, std::uint64_t cap);
    // Assumes a valid board that cannot be finished.
    std::vector<int> TakeAway(const std::vector<PlacedElement>& placed);
    bool Solvable();
    // The stored solution's element on the slot, when that solution is whole and keeps every
    // placed element where it lies.
    std::optional<PlacedElement> StoredNext(
        const std::vector<PlacedElement>& placed,
        const std::array<Placement, kElementRecordCount>& stored, int slot) const;

    TilingSolver solver;
    std::unique_ptr<CompletionCounter> counter;  // none when the puzzle has a problem
    std::optional<bool> solvable;
    // Of the empty board: the solutions up to symmetry, and the cap they were counted to (0:
    // none).
    std::optional<std::pair<std::uint64_t, std::uint64_t>> distinct;
};

}  // namespace tessellix
