#include "model/board_state.h"

#include "model/orientation_table.h"

namespace tessellix {

bool SameCells(const BoardState& a, const BoardState& b) {
    const OrientationTable& table = OrientationTable::Standard();
    for (int i = 0; i < ElementSet::kCount; ++i) {
        if (a[i].placed != b[i].placed ||
            table.Canonical(i, a[i].orientation) != table.Canonical(i, b[i].orientation)) {
            return false;
        }
    }
    return true;
}

}  // namespace tessellix
