#pragma once

#include <optional>

#include "model/cell_shape.h"
#include "model/orientation.h"

namespace tessellix {

// The player's hand on the board, with the mouse or with the keys: the element held, if any, and
// where it is; the element that the keys act on; and the part of a wheel notch not yet turned.
// The play session keeps it; views only read it.
struct Hand {
    int held = -1;
    bool byMouse = false;
    PixelPoint corner;  // the held element's top-left corner on the canvas
    PixelPoint grab;    // the pointer's offset from that corner while the mouse holds it
    int chosen = -1;    // -1 until the first Tab of a puzzle
    int wheelRest = 0;  // eighths of a degree

    bool Holding() const { return held >= 0; }
    bool HeldByKeys() const { return Holding() && !byMouse; }
    // The cell of the held element's box under the pointer; none while the keys hold it, whose
    // turns keep the element's corner.
    std::optional<GridCell> PointerCell() const {
        if (!byMouse || !Holding()) {
            return std::nullopt;
        }
        return GridCell{grab.x / kCellSize, grab.y / kCellSize};
    }
};

}  // namespace tessellix
