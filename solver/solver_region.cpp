#include "solver/solver_region.h"

#include <algorithm>

namespace tessellix {

namespace {

// The eight symmetries of a rows x columns box: four turns, each with and without a mirror.
// A turn by a quarter only maps the box onto itself when it is square.
RegionCell MapCell(int symmetry, RegionCell cell, int rows, int columns) {
    const int r = cell.row;
    const int c = cell.column;
    switch (symmetry) {
        case 0:
            return {r, c};
        case 1:
            return {c, rows - 1 - r};  // quarter turn clockwise
        case 2:
            return {rows - 1 - r, columns - 1 - c};
        case 3:
            return {columns - 1 - c, r};
        case 4:
            return {r, columns - 1 - c};  // mirror left-right
        case 5:
            return {rows - 1 - r, c};
        case 6:
            return {c, r};
        default:
            return {columns - 1 - c, rows - 1 - r};
    }
}

}  // namespace

SolverRegion::SolverRegion(const std::vector<int>& grid, int n) {
    // A grid shorter than n x n has no cells beyond its end.
    const auto inGrid = [&](int r, int c) {
        const std::size_t index = static_cast<std::size_t>(r) * n + c;
        return index < grid.size() && grid[index] != 0;
    };
    int bottom = -1;
    int right = -1;
    int top = n;
    left = n;
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            if (inGrid(r, c)) {
                top = std::min(top, r);
                left = std::min(left, c);
                bottom = std::max(bottom, r);
                right = std::max(right, c);
                ++cellCount;
            }
        }
    }
    if (bottom < 0) {
        left = 0;
        return;
    }
    rows = bottom - top + 1;
    columns = right - left + 1;
    slotByPosition.assign(static_cast<std::size_t>(rows) * columns, -1);

    // Lines run along the shorter side, so a line is short and the search front stays narrow.
    const bool byColumns = columns >= rows;
    const int lineCount = byColumns ? columns : rows;
    lineLength = byColumns ? rows : columns;
    gridLayout = rows * columns <= kMaskSlots;
    for (int line = 0; line < lineCount; ++line) {
        for (int position = 0; position < lineLength; ++position) {
            const int r = byColumns ? position : line;
            const int c = byColumns ? line : position;
            const bool isCell = inGrid(top + r, left + c);
            if (isCell) {
                slotByPosition[static_cast<std::size_t>(r) * columns + c] =
                    static_cast<int>(slotTable.size());
            }
            if (isCell || gridLayout) {
                slotTable.push_back({{r, c}, isCell});
            }
        }
    }

    for (Slot& slot : slotTable) {
        if (slot.isCell) {
            const RegionCell& cell = slot.cell;
            slot.neighbours = {
                IndexOf(cell.row - 1, cell.column), IndexOf(cell.row + 1, cell.column),
                IndexOf(cell.row, cell.column - 1), IndexOf(cell.row, cell.column + 1)};
        }
    }

    for (int symmetry = 0; symmetry < 8; ++symmetry) {
        const bool turnsBox = symmetry == 1 || symmetry == 3 || symmetry == 6 || symmetry == 7;
        if (turnsBox && rows != columns) {
            continue;
        }
        std::vector<int> permutation(slotTable.size());
        bool maps = true;
        for (int index = 0; index < SlotCount() && maps; ++index) {
            permutation[index] = index;
            if (slotTable[index].isCell) {
                const RegionCell image = MapCell(symmetry, slotTable[index].cell, rows, columns);
                permutation[index] = IndexOf(image.row, image.column);
                maps = permutation[index] >= 0;
            }
        }
        if (maps) {
            symmetries.push_back(std::move(permutation));
        }
    }
}

int SolverRegion::IndexOf(int row, int column) const {
    if (row < 0 || column < 0 || row >= rows || column >= columns) {
        return -1;
    }
    return slotByPosition[static_cast<std::size_t>(row) * columns + column];
}

}  // namespace tessellix
