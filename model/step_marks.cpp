#include "model/step_marks.h"

#include <algorithm>
#include <limits>

#include "model/cell_shape.h"

namespace tessellix {

namespace {

constexpr Rgb kFrameRed{255, 0, 0};
constexpr Rgb kFrameWhite{255, 255, 255};
constexpr Rgb kOutlineBlack{0, 0, 0};
// Three pixels of dash in every five, in step with Check board's marks.
constexpr int kDash = 3;
constexpr int kPeriod = 5;
// The outline runs this far inside the placement's edge, clear of a frame on the same cells.
constexpr int kOutlineDepth = 3;

bool Holds(const std::vector<GridCell>& cells, GridCell cell) {
    return std::find(cells.begin(), cells.end(), cell) != cells.end();
}

// A two-pixel dashed ring `depth` pixels inside the edge of the cells; gap null leaves the
// pixels between the dashes as they are. Each pixel's distance from the edge is taken to the
// nearest side or corner that borders a cell outside the set.
void DrawRing(DrawSurface& dc, PixelPoint origin, const std::vector<GridCell>& cells, int depth,
              Rgb dash, const Rgb* gap) {
    for (const GridCell& cell : cells) {
        const auto outside = [&](int columns, int rows) {
            return !Holds(cells, {cell.column + columns, cell.row + rows});
        };
        for (int oy = 0; oy <= kCellSize; ++oy) {
            for (int ox = 0; ox <= kCellSize; ++ox) {
                int distance = std::numeric_limits<int>::max();
                bool across = false;  // the nearest edge runs across: dashes follow x
                const auto nearer = [&](bool edge, int d, bool edgeAcross) {
                    if (edge && d < distance) {
                        distance = d;
                        across = edgeAcross;
                    }
                };
                const int right = kCellSize - ox;
                const int bottom = kCellSize - oy;
                nearer(outside(-1, 0), ox, false);
                nearer(outside(1, 0), right, false);
                nearer(outside(0, -1), oy, true);
                nearer(outside(0, 1), bottom, true);
                nearer(outside(-1, -1), std::max(ox, oy), oy > ox);
                nearer(outside(1, -1), std::max(right, oy), oy > right);
                nearer(outside(-1, 1), std::max(ox, bottom), bottom > ox);
                nearer(outside(1, 1), std::max(right, bottom), bottom > right);
                if (distance != depth && distance != depth + 1) {
                    continue;
                }
                const int px = cell.column * kCellSize + ox;
                const int py = cell.row * kCellSize + oy;
                const bool onDash = (across ? px : py) % kPeriod < kDash;
                if (onDash || gap != nullptr) {
                    dc.FillRect(
                        {origin.x + px, origin.y + py, origin.x + px + 1, origin.y + py + 1},
                        onDash ? dash : *gap);
                }
            }
        }
    }
}

}  // namespace

void StepMarks::Draw(DrawSurface& dc, PixelPoint origin) const {
    // The frame last: where the two meet, the cell the step is about stays whole.
    DrawRing(dc, origin, outlined, kOutlineDepth, kOutlineBlack, nullptr);
    DrawRing(dc, origin, framed, 0, kFrameRed, &kFrameWhite);
}

PixelRect StepMarks::Bounds(PixelPoint origin) const {
    if (IsEmpty()) {
        return {};
    }
    int left = std::numeric_limits<int>::max();
    int top = left;
    int right = std::numeric_limits<int>::min();
    int bottom = right;
    for (const std::vector<GridCell>* cells : {&framed, &outlined}) {
        for (const GridCell& cell : *cells) {
            left = std::min(left, cell.column);
            top = std::min(top, cell.row);
            right = std::max(right, cell.column + 1);
            bottom = std::max(bottom, cell.row + 1);
        }
    }
    // The last column and row of pixels are the cells' shared border line.
    return {origin.x + left * kCellSize, origin.y + top * kCellSize,
            origin.x + right * kCellSize + 1, origin.y + bottom * kCellSize + 1};
}

}  // namespace tessellix
