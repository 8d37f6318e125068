#include "model/element.h"

#include <algorithm>
#include <string>

#include "model/element_look.h"

namespace tessellix {

namespace {

// Bold, so that a letter no taller than a cell's inside reads at a glance.
constexpr int kLetterWeight = 700;

}  // namespace

void Element::Create(int elementId, const std::array<int, 25>& input, int column, int row, Rgb fill,
                     int isExcluded) {
    CellShape::Create(elementId, 0, 0, std::vector<int>(input.begin(), input.end()), 5, fill,
                      kBlack);
    for (int index = 0; index < kOrientationCount; ++index) {
        matrices[index] = OrientedMatrix(cells, side, index);
    }
    excluded = isExcluded;
    baseX = column * kCellSize;
    baseY = row * kCellSize;
    boxWidth = side * kCellSize;
    boxHeight = side * kCellSize;
    solutionRotation = -1;
    solutionMirrored = -1;
    solutionColumn = -1;
    solutionRow = -1;
    SetOrientation(0);
    GoHome();
}

void Element::SetOrientation(int index) {
    orientation = index;
    cells = matrices[index];
    int columns = 0;
    int rows = 0;
    for (int r = 0; r < side; ++r) {
        for (int c = 0; c < side; ++c) {
            if (Cell(r, c) != 0) {
                columns = std::max(columns, c + 1);
                rows = std::max(rows, r + 1);
            }
        }
    }
    width = columns * kCellSize;
    height = rows * kCellSize;
    homeX = baseX + (boxWidth - width) / 2;
    homeY = baseY + (boxHeight - height) / 2;
    BuildOutline();
}

GridCell Element::CellAfter(TransformKind kind, GridCell cell) const {
    // The turned set is packed by the least row and column that its cells reach.
    int leastColumn = side;
    int leastRow = side;
    for (int r = 0; r < side; ++r) {
        for (int c = 0; c < side; ++c) {
            if (Cell(r, c) != 0) {
                const GridCell to = TransformedCell(kind, {c, r}, side);
                leastColumn = std::min(leastColumn, to.column);
                leastRow = std::min(leastRow, to.row);
            }
        }
    }
    const GridCell to = TransformedCell(kind, cell, side);
    return {to.column - leastColumn, to.row - leastRow};
}

void Element::Draw(DrawSurface& dc, int cellSize, bool withOutline) const {
    CellShape::Draw(dc, cellSize, withOutline);
    if (letter == 0 || cellSize <= 2) {
        return;
    }
    const GridCell cell = LetterCell();
    const int left = x + cell.column * cellSize;
    const int top = y + cell.row * cellSize;
    dc.DrawTextLine({left + 1, top + 1, left + cellSize, top + cellSize}, std::string(1, letter),
                    {"Arial", cellSize - 1, kLetterWeight, false}, LetterColourOn(fillColour),
                    TextAlign::Centre);
}

GridCell Element::LetterCell() const {
    // Five times each cell's place against the sum of all places: the mean without fractions.
    int count = 0;
    int rowSum = 0;
    int columnSum = 0;
    for (int r = 0; r < side; ++r) {
        for (int c = 0; c < side; ++c) {
            if (Cell(r, c) != 0) {
                ++count;
                rowSum += r;
                columnSum += c;
            }
        }
    }
    GridCell nearest;
    int nearestDistance = -1;
    for (int r = 0; r < side; ++r) {
        for (int c = 0; c < side; ++c) {
            const int dr = count * r - rowSum;
            const int dcol = count * c - columnSum;
            if (Cell(r, c) != 0 &&
                (nearestDistance < 0 || dr * dr + dcol * dcol < nearestDistance)) {
                nearest = {c, r};
                nearestDistance = dr * dr + dcol * dcol;
            }
        }
    }
    return nearest;
}

PixelRect Element::GetBoxRect() const {
    return {baseX - 1, baseY - 1, baseX + boxWidth + 1, baseY + boxHeight + 1};
}

void Element::DrawAtHome(DrawSurface& dc) {
    if (excluded == 1) {
        return;
    }
    dc.FillRect({baseX, baseY, baseX + boxWidth + 1, baseY + boxHeight + 1}, kBaseBoxGrey);
    GoHome();
    Draw(dc, kCellSize, true);
}

void Element::DrawMark(DrawSurface& dc) const {
    constexpr Rgb kMarkRed{255, 0, 0};
    constexpr Rgb kMarkWhite{255, 255, 255};
    // Three pixels of red, two of white, along each 15-pixel side.
    constexpr int kDash = 3;
    constexpr int kPeriod = 5;
    const auto isSet = [this](int row, int column) {
        return row >= 0 && column >= 0 && row < side && column < side && Cell(row, column) != 0;
    };
    for (const OutlineSegment& segment : outline) {
        const bool across = segment.y0 == segment.y1;
        // A segment starts at a set cell's corner when it is the cell's top or left side, and
        // then the cell lies down or right of it; a bottom or right side has it the other way.
        const int inward = isSet(segment.y0 / kCellSize, segment.x0 / kCellSize) ? 1 : -1;
        for (int k = 0; k < kCellSize; ++k) {
            const Rgb colour = k % kPeriod < kDash ? kMarkRed : kMarkWhite;
            for (const int depth : {0, inward}) {
                const int px = x + segment.x0 + (across ? k : depth);
                const int py = y + segment.y0 + (across ? depth : k);
                dc.FillRect({px, py, px + 1, py + 1}, colour);
            }
        }
    }
}

int Element::Transform(int kind) {
    if (!IsAtHome() || excluded != 0) {
        return 0;
    }
    if (kind != TurnClockwise && kind != TurnCounterClockwise && kind != Mirror) {
        return 0;
    }
    SetOrientation(Transformed(orientation, static_cast<TransformKind>(kind)));
    GoHome();
    return 1;
}

void Element::ResetOrientation() {
    TurnTo(0);
}

void Element::TurnTo(int index) {
    if (!IsAtHome() || excluded != 0) {
        return;
    }
    SetOrientation(index);
    GoHome();
}

void Element::SetStoredSolution(const Placement& placement) {
    solutionRotation = placement.rotation;
    solutionMirrored = placement.mirrored;
    solutionColumn = placement.column;
    solutionRow = placement.row;
}

bool Element::FindSnap(const CellShape& puzzle, PixelPoint& position) const {
    PixelPoint topLeft;
    PixelPoint bottomRight;
    puzzle.GetCorners(topLeft, bottomRight);
    const int dx = x - topLeft.x;
    const int dy = y - topLeft.y;
    const int c0 = dx / kCellSize;
    const int r0 = dy / kCellSize;
    const int bx = (dx + 7) / kCellSize - c0;
    const int by = (dy + 7) / kCellSize - r0;
    static constexpr int kColumnOffset[4] = {0, 1, 0, 1};
    static constexpr int kRowOffset[4] = {0, 0, 1, 1};
    const int start = bx + 2 * by;
    for (int k = 0; k < 4; ++k) {
        const int index = (start + k) % 4;
        const int column = c0 + kColumnOffset[index];
        const int row = r0 + kRowOffset[index];
        if (FitsAt(puzzle, column, row)) {
            position = {topLeft.x + column * kCellSize, topLeft.y + row * kCellSize};
            return true;
        }
    }
    return false;
}

bool Element::FitsAt(const CellShape& puzzle, int column, int row) const {
    for (int j = 0; j < height / kCellSize; ++j) {
        for (int i = 0; i < width / kCellSize; ++i) {
            const int pc = column + i;
            const int pr = row + j;
            if (pc < 0 || pr < 0 || pc >= puzzle.side || pr >= puzzle.side) {
                return false;
            }
            if (Cell(j, i) != 0 && puzzle.Cell(pr, pc) != Cell(j, i)) {
                return false;
            }
        }
    }
    return true;
}

void Element::MarkCells(CellShape& puzzle, int from, int to) const {
    const int c0 = (x - puzzle.x) / kCellSize;
    const int r0 = (y - puzzle.y) / kCellSize;
    for (int j = 0; j < height / kCellSize; ++j) {
        for (int i = 0; i < width / kCellSize; ++i) {
            const int pr = r0 + j;
            const int pc = c0 + i;
            if (Cell(j, i) == 0 || pr < 0 || pc < 0 || pr >= puzzle.side || pc >= puzzle.side) {
                continue;
            }
            if (puzzle.Cell(pr, pc) == from) {
                puzzle.SetCell(pr, pc, to);
            }
        }
    }
}

void Element::Occupy(CellShape& puzzle) const {
    MarkCells(puzzle, 1, 2);
}

void Element::Vacate(CellShape& puzzle) const {
    MarkCells(puzzle, 2, 1);
}

}  // namespace tessellix
