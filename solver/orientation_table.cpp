#include "solver/orientation_table.h"

#include <algorithm>

namespace tessellix {

namespace {

ElementOrientation ReadOrientation(const Element& element) {
    ElementOrientation orientation;
    orientation.rotation = element.rotation;
    orientation.mirrored = element.mirrored;
    int count = 0;
    for (int r = 0; r < element.side; ++r) {
        for (int c = 0; c < element.side; ++c) {
            if (element.Cell(r, c) != 0 && count < 5) {
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
    ElementSet set;
    for (int index = 0; index < ElementSet::kCount; ++index) {
        Element& element = set[index];
        for (int mirror = 0; mirror < 2; ++mirror) {
            for (int turns = 0; turns < 4; ++turns) {
                element.ResetOrientation();
                if (mirror == 1) {
                    element.Transform(Mirror);
                }
                for (int t = 0; t < turns; ++t) {
                    element.Transform(TurnClockwise);
                }
                const ElementOrientation orientation = ReadOrientation(element);
                states[index][mirror * 4 + turns] = orientation;
                auto& list = orientations[index];
                const bool known = std::any_of(list.begin(), list.end(), [&](const auto& other) {
                    return SameCells(other, orientation);
                });
                if (!known) {
                    list.push_back(orientation);
                }
            }
        }
        element.ResetOrientation();
    }
}

}  // namespace tessellix
