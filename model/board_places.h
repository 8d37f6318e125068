#pragma once

#include <compare>
#include <optional>
#include <vector>

#include "library/bilingual_text.h"
#include "model/orientation.h"

namespace tessellix {

// A cell as a player hears it: its row and column in the smallest rectangle that holds the
// puzzle's cells, from 1 at that rectangle's top left. Screen-reader names, the board summary
// and explained hints all count this way, so they agree with one another.
struct BoardPlace {
    int row = 0;
    int column = 0;
    friend auto operator<=>(const BoardPlace&, const BoardPlace&) = default;
};

class BoardPlaces {
  public:
    BoardPlaces() = default;
    // cells: side x side, row-major, nonzero for a puzzle cell (a puzzle matrix).
    BoardPlaces(const std::vector<int>& cells, int side);

    int Rows() const { return rows; }
    int Columns() const { return columns; }
    // The place of a matrix cell; none outside the rectangle.
    std::optional<BoardPlace> PlaceOf(GridCell cell) const;
    // 1 <= place.row <= Rows(), 1 <= place.column <= Columns().
    GridCell CellAt(BoardPlace place) const {
        return {left + place.column - 1, top + place.row - 1};
    }

  private:
    int top = 0;
    int left = 0;
    int rows = 0;
    int columns = 0;
};

// The edge-joined regions of the matrix's cells of value 1 (free cells during play), each in
// reading order (by row, then column), the regions ordered by their first cells.
std::vector<std::vector<GridCell>> FreeRegions(const std::vector<int>& cells, int side);

// "row 3, column 1" / "ряд 3, столбец 1", as the subject or object of a sentence.
BilingualText PlaceText(BoardPlace place);
// The same after "from" / "от" or "у": "row 5, column 9" / "ряда 5, столбца 9".
BilingualText PlaceOfText(BoardPlace place);

// The Russian noun form that a count takes: one for 1, 21, 31, ...; few for 2-4, 22-24, ...;
// many for 0, 5-20, 25-30, ... ("1 клетка", "3 клетки", "11 клеток").
const char* RussianCountForm(unsigned long long count, const char* one, const char* few,
                             const char* many);

}  // namespace tessellix
