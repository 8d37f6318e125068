#include "model/orientation.h"

#include <algorithm>

namespace tessellix {

int Transformed(int orientation, TransformKind kind) {
    const int rotation = RotationOf(orientation);
    const int mirrored = MirroredOf(orientation);
    switch (kind) {
        case TurnClockwise:
            return OrientationIndex(rotation + 1, mirrored);
        case TurnCounterClockwise:
            return OrientationIndex(rotation + 3, mirrored);
        case Mirror:
            return OrientationIndex(rotation % 2 == 1 ? rotation + 2 : rotation, 1 - mirrored);
    }
    return orientation;
}

GridCell TransformedCell(TransformKind kind, GridCell cell, int n) {
    switch (kind) {
        case TurnClockwise:
            return {n - 1 - cell.row, cell.column};
        case TurnCounterClockwise:
            return {cell.row, n - 1 - cell.column};
        case Mirror:
            return {n - 1 - cell.column, cell.row};
    }
    return cell;
}

namespace {

std::vector<int> Apply(const std::vector<int>& matrix, int n, TransformKind kind) {
    std::vector<int> turned(matrix.size(), 0);
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            const GridCell to = TransformedCell(kind, {c, r}, n);
            turned[to.row * n + to.column] = matrix[r * n + c] != 0 ? 1 : 0;
        }
    }
    return turned;
}

std::vector<int> Packed(const std::vector<int>& matrix, int n) {
    int leastRow = n;
    int leastColumn = n;
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            if (matrix[r * n + c] != 0) {
                leastRow = std::min(leastRow, r);
                leastColumn = std::min(leastColumn, c);
            }
        }
    }
    std::vector<int> packed(matrix.size(), 0);
    for (int r = leastRow; r < n; ++r) {
        for (int c = leastColumn; c < n; ++c) {
            packed[(r - leastRow) * n + (c - leastColumn)] = matrix[r * n + c];
        }
    }
    return packed;
}

}  // namespace

std::vector<int> OrientedMatrix(const std::vector<int>& base, int n, int orientation) {
    std::vector<int> matrix(base.size());
    std::transform(base.begin(), base.end(), matrix.begin(), [](int v) { return v != 0 ? 1 : 0; });
    if (MirroredOf(orientation) == 1) {
        matrix = Apply(matrix, n, Mirror);
    }
    for (int turn = 0; turn < RotationOf(orientation); ++turn) {
        matrix = Apply(matrix, n, TurnClockwise);
    }
    return Packed(matrix, n);
}

}  // namespace tessellix
