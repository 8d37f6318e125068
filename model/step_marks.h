#pragma once

#include <vector>

#include "model/draw_surface.h"
#include "model/orientation.h"

namespace tessellix {

// What an explained step shows on the puzzle until the next move, in dashes so that colour is
// never the only sign: cells framed as Check board frames an element (the region that cannot be
// covered, or the cell the step is about), and a placement's cells outlined inside their edge.
// Cells are cells of the puzzle's matrix.
struct StepMarks {
    std::vector<GridCell> framed;
    std::vector<GridCell> outlined;

    bool IsEmpty() const { return framed.empty() && outlined.empty(); }
    // On the puzzle whose matrix's top-left corner is at origin.
    void Draw(DrawSurface& dc, PixelPoint origin) const;
    // What Draw touches; empty for no marks.
    PixelRect Bounds(PixelPoint origin) const;

    friend bool operator==(const StepMarks&, const StepMarks&) = default;
};

}  // namespace tessellix
