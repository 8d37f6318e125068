#pragma once

#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "library/bilingual_text.h"
#include "model/board_places.h"
#include "model/element_set.h"
#include "model/input_outcome.h"

namespace tessellix {

class PlaySession;
class PuzzleShape;
struct Hand;

// What a screen reader says about the board as it stands: the cells of the puzzle's rectangle,
// the used elements and the element in the hand, in both languages. A snapshot: build a new one
// after every move.
class BoardNames {
  public:
    explicit BoardNames(const PlaySession& session);
    BoardNames(const PuzzleShape& puzzle, const ElementSet& elements, const Hand& hand);

    int Rows() const { return places.Rows(); }
    int Columns() const { return places.Columns(); }
    int FreeCells() const;
    // The puzzle's name and its free cells: "Level 1: 15 free cells".
    BilingualText BoardDescription() const;
    // 1 <= place.row <= Rows(), 1 <= place.column <= Columns(): "row 2, column 3: free", ": F"
    // (the letter of the element on it) or ": outside" (no cell of the puzzle).
    BilingualText CellName(BoardPlace place) const;

    // The used elements in the set's order.
    const std::vector<int>& UsedElements() const { return used; }
    // "F: at home", "F: placed", "F: held"; while the keys hold it, HeldOverName.
    BilingualText ElementName(int element) const;
    // The cells it covers, or lies over in the hand, as "row R, column C" joined by "; "; at
    // home its shape in its present turn, counted in its own rows and columns from 1.
    BilingualText ElementDescription(int element) const;
    // "F over row R, column C: fits" or ": does not fit", R and C those of its first cell in
    // reading order that lies on the rectangle; "F outside the board" when none does.
    BilingualText HeldOverName(int element) const;

    // What to say after an input, taken after it: a drop, a send home and a solve; nothing
    // for a move or a turn in the hand, which the held element's new name tells.
    static BilingualText Spoken(const InputOutcome& outcome);
    // The sentences that follow a move.
    static BilingualText Placed(int element);
    static BilingualText WentHome(int element);
    static BilingualText SentHome(int element);
    static BilingualText HintPlaced(int element);
    BilingualText Undone() const;
    BilingualText Redone() const;
    static BilingualText BoardReset();
    static BilingualText Solved();
    // "15 free cells" / "15 свободных клеток".
    static BilingualText FreeCellsText(int count);

  private:
    // The puzzle's matrix cells under the element's cells, in reading order of the element's
    // matrix; for a resting or held element, wherever it lies.
    std::vector<GridCell> CellsUnder(int element) const;

    const PuzzleShape& puzzle;
    const ElementSet& elements;
    int held = -1;
    bool heldByKeys = false;
    BoardPlaces places;
    // The matrix cells that the placed elements cover, and their letters: a few dozen at most,
    // so that naming one cell costs the same on any board.
    std::vector<std::pair<GridCell, char>> covered;
    std::vector<int> used;
};

}  // namespace tessellix
