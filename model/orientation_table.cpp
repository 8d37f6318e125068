#include "model/orientation_table.h"

#include <algorithm>

namespace tessellix {

namespace {

constexpr int kBaseSide = 5;

ElementOrientation ReadOrientation(const std::vector<int>& matrix, int index) {
    ElementOrientation orientation;
    orientation.index = index;
    int count = 0;
    for (int r = 0; r < kBaseSide; ++r) {
        for (int c = 0; c < kBaseSide; ++c) {
            if (matrix[r * kBaseSide + c] != 0 && count < kElementCells) {
                orientation.cellRows[count] = r;
                orientation.cellColumns[count] = c;
                ++count;
                orientation.rows = std::max(orientation.rows, r + 1);
                orientation.columns = std::max(orientation.columns, c + 1);
            }
        }
    }
    return orientation;
}

bool SameCells(const ElementOrientation& a, const ElementOrientation& b) {
    // Both are read in row-major order, so equal sets give equal sequences.
    return a.cellRows == b.cellRows && a.cellColumns == b.cellColumns;
}

}  // namespace

const OrientationTable& OrientationTable::Standard() {
    static const OrientationTable table;
    return table;
}

OrientationTable::OrientationTable() {
    for (int element = 0; element < ElementSet::kCount; ++element) {
        const std::array<int, 25> base = StandardMatrix(kStandardElements[element]);
        const std::vector<int> matrix(base.begin(), base.end());
        for (int index = 0; index < kOrientationCount; ++index) {
            const ElementOrientation orientation =
                ReadOrientation(OrientedMatrix(matrix, kBaseSide, index), index);
            states[element][index] = orientation;
            auto& list = distinct[element];
            const auto same = std::find_if(list.begin(), list.end(), [&](const auto& other) {
                return SameCells(other, orientation);
            });
            canonical[element][index] = same == list.end() ? index : same->index;
            if (same == list.end()) {
                list.push_back(orientation);
            }
        }
    }
}

}  // namespace tessellix
