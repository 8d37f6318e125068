#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "library/puzzle_file.h"
#include "model/orientation.h"
#include "solver/board_questions.h"

namespace tessellix {

// What Explain a step found, simplest first.
enum class StepKind {
    Region,   // cannot be finished: a region of free cells no elements left can cover
    Blocked,  // cannot be finished, and no region shows it
    Cell,     // a cell only one placement can cover
    Element,  // an element that fits in one place only
    Guess,    // nothing forced: the cell with the fewest ways
};

// One explained step. Cells (column, row) count from the top-left corner of the smallest
// rectangle holding the puzzle's cells, as placements do (the play session's cropped matrix
// counts the same), in reading order; BoardPlaces turns them into the places a player hears.
//
// A placement is possible while its element is free, its cells are empty and it walls off no
// area of one to four empty cells: every completion of the board is made of possible
// placements, so a cell or element with one possible placement has it in every completion.
struct ExplainedStep {
    StepKind kind = StepKind::Blocked;
    // Region: the region's cells. Cell, Guess: the one cell. Element, Blocked: none.
    std::vector<GridCell> cells;
    // Cell, Element: the forced placement. Guess on a solution path: the option taken (one
    // that a cover has, the stored solution's when it can be); otherwise none.
    std::optional<PlacedElement> placement;
    std::vector<GridCell> placementCells;  // the placement's five cells
    // Guess: the possible placements that cover the cell, and their elements, each once, by
    // index (the order of kElementLetters).
    int ways = 0;
    std::vector<int> wayElements;
    // Region, Blocked: Check board's answer, as BoardCheck::takeAway.
    std::vector<int> takeAway;
    friend bool operator==(const ExplainedStep&, const ExplainedStep&) = default;
};

// How a solution path went, for the reason given with a puzzle's level.
struct PathSummary {
    int forcedSteps = 0;     // forced steps in the whole path
    int forcedBefore = 0;    // forced steps before the first guess (all of them without one)
    int firstGuessWays = 0;  // the first guess's ways; 0 without a guess
    int guesses = 0;
    bool reachesCover = false;  // false for a puzzle without a solution
};

// Explains the next step on a board, with every placed element held where it lies, through the
// questions kept for the puzzle; it answers and changes no board. Cheap to make; not thread-safe
// (neither are the questions).
class StepExplainer {
  public:
    // questions must outlive the explainer.
    explicit StepExplainer(BoardQuestions& questions);

    // Nothing on a solved board (every used element placed). A list that is no board of the
    // puzzle, or a puzzle with a problem, is Blocked with no take-away, as Check board has it.
    // Cannot be finished: Region for the smallest region (the first in reading order of those
    // as small) whose count is not a multiple of five or in which no free element fits, else
    // Blocked. Can be finished: Cell for the first cell in reading order with one possible
    // placement, else Element for the first element by index with one, else Guess at the
    // first cell in reading order with the fewest.
    std::optional<ExplainedStep> Explain(const std::vector<PlacedElement>& placed);

    // The steps from the empty board to a cover: each forced step taken, each guess taking an
    // option that a cover has, the stored solution's (by element index) when it is whole and
    // the board agrees with it. Ends at the cover, or at the first Region or Blocked step of a
    // puzzle with no solution.
    std::vector<ExplainedStep> SolutionPath(
        const std::array<Placement, kElementRecordCount>& stored);

  private:
    struct Analysis;

    std::uint64_t MaskOf(const PlacedElement& placed) const;
    std::vector<GridCell> CellsOf(std::uint64_t mask) const;
    bool WallsOffPocket(std::uint64_t mask, std::uint64_t empty) const;
    ExplainedStep Unfinishable(const std::vector<PlacedElement>& placed, std::uint64_t empty,
                               unsigned freeElements);
    Analysis Analyse(std::uint64_t empty, unsigned freeElements) const;
    // The option a solution path takes at a guess.
    // cell: the guess's cell on a board that can be finished.
    PlacedElement Option(const std::vector<PlacedElement>& placed, GridCell cell,
                         const std::array<Placement, kElementRecordCount>& stored);

    BoardQuestions& questions;
    std::vector<std::uint64_t> neighbours;  // per slot
    std::vector<GridCell> cellOf;           // per slot
    std::vector<int> readingOrder;          // the region's slots by row, then column
    std::uint64_t cells = 0;
};

// The figures of a solution path.
PathSummary SummaryOf(const std::vector<ExplainedStep>& path);

// The figures of the solution path of a puzzle as a file holds it, the records it places taken
// as its stored solution; a path that reaches no cover for a puzzle with a problem or without
// a solution.
PathSummary PuzzlePathSummary(const PuzzleFileData& data);

}  // namespace tessellix
