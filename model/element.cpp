#include "model/element.h"

#include <algorithm>

namespace tessellix {

void Element::Create(int elementId, const std::array<int, 25>& input, int column, int row, Rgb fill,
                     int isExcluded) {
    CellShape::Create(elementId, 0, 0, std::vector<int>(input.begin(), input.end()), 5, fill,
                      kBlack);
    excluded = isExcluded;
    rotation = 0;
    mirrored = 0;
    baseX = column * kCellSize;
    baseY = row * kCellSize;
    boxWidth = side * kCellSize;
    boxHeight = side * kCellSize;
    solutionRotation = -1;
    solutionMirrored = -1;
    solutionColumn = -1;
    solutionRow = -1;
    UpdateHome();
}

void Element::UpdateHome() {
    homeX = baseX + (boxWidth - width) / 2;
    homeY = baseY + (boxHeight - height) / 2;
    x = homeX;
    y = homeY;
}

PixelRect Element::GetBoxRect() const {
    return {baseX - 1, baseY - 1, baseX + boxWidth + 1, baseY + boxHeight + 1};
}

void Element::DrawAtHome(DrawSurface& dc) {
    if (excluded == 1) {
        return;
    }
    dc.FillRect({baseX, baseY, baseX + boxWidth + 1, baseY + boxHeight + 1}, kBaseBoxGrey);
    x = homeX;
    y = homeY;
    Draw(dc, kCellSize, true);
}

int Element::Transform(int kind) {
    if (!IsAtHome() || excluded != 0) {
        return 0;
    }
    if (kind != TurnClockwise && kind != TurnCounterClockwise && kind != Mirror) {
        return 0;
    }
    const int n = side;
    std::vector<int> turned(cells.size(), 0);
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            const int value = Cell(r, c);
            switch (kind) {
                case TurnClockwise:
                    turned[c * n + (n - 1 - r)] = value;
                    break;
                case TurnCounterClockwise:
                    turned[(n - 1 - c) * n + r] = value;
                    break;
                default:
                    turned[r * n + (n - 1 - c)] = value;
                    break;
            }
        }
    }
    switch (kind) {
        case TurnClockwise:
            rotation = (rotation + 1) % 4;
            break;
        case TurnCounterClockwise:
            rotation = rotation == 0 ? 3 : rotation - 1;
            break;
        default:
            // Mirroring after a turn equals the opposite turn after a mirror.
            mirrored = 1 - mirrored;
            if (rotation % 2 == 1) {
                rotation = (rotation + 2) % 4;
            }
            break;
    }
    cells = std::move(turned);

    int leastRow = n;
    int greatestRow = -1;
    int leastColumn = n;
    int greatestColumn = -1;
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            if (Cell(r, c) != 0) {
                leastRow = std::min(leastRow, r);
                greatestRow = std::max(greatestRow, r);
                leastColumn = std::min(leastColumn, c);
                greatestColumn = std::max(greatestColumn, c);
            }
        }
    }
    width = (greatestColumn - leastColumn + 1) * kCellSize;
    height = (greatestRow - leastRow + 1) * kCellSize;
    UpdateHome();
    if (leastRow > 0 || leastColumn > 0) {
        std::vector<int> packed(cells.size(), 0);
        for (int r = leastRow; r < n; ++r) {
            for (int c = leastColumn; c < n; ++c) {
                packed[(r - leastRow) * n + (c - leastColumn)] = Cell(r, c);
            }
        }
        cells = std::move(packed);
    }
    BuildOutline();
    return 1;
}

void Element::ResetOrientation() {
    if (!IsAtHome() || excluded != 0) {
        return;
    }
    if (mirrored == 1) {
        Transform(Mirror);
    }
    while (rotation != 0) {
        Transform(TurnClockwise);
    }
}

void Element::TurnTo(int turns, int mirror) {
    ResetOrientation();
    if (mirror == 1) {
        Transform(Mirror);
    }
    for (int turn = 0; turn < turns; ++turn) {
        Transform(TurnClockwise);
    }
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
