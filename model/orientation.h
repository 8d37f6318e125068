#pragma once

#include <vector>

#include "library/placement.h"

namespace tessellix {

enum TransformKind { TurnClockwise = 1, TurnCounterClockwise = 2, Mirror = 3 };

// A cell of a matrix, or of the puzzle's cell matrix.
struct GridCell {
    int column = 0;
    int row = 0;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

// The orientation that one transform of an element in `orientation` gives. Mirroring after a turn
// equals the opposite turn after a mirror, so a mirror of an odd turn flips its direction.
int Transformed(int orientation, TransformKind kind);

// Where cell of an n x n matrix goes under one transform: a quarter turn clockwise as seen on
// screen (rows grow downward), counter-clockwise, or a mirror about the vertical axis. The
// turned set is packed into the corner afterwards.
GridCell TransformedCell(TransformKind kind, GridCell cell, int n);

// The n x n row-major matrix `base` (nonzero a cell) in `orientation`, its cells set to 1 and
// packed into the top-left corner.
std::vector<int> OrientedMatrix(const std::vector<int>& base, int n, int orientation);

}  // namespace tessellix
