#include "model/cell_shape.h"

#include <algorithm>

namespace tessellix {

void CellShape::Create(int newId, int column, int row, const std::vector<int>& input, int n,
                       Rgb fill, Rgb pen) {
    id = newId;
    x = column * kCellSize;
    y = row * kCellSize;
    fillColour = fill;
    penColour = pen;

    int leastColumn = n;
    int greatestColumn = -1;
    int leastRow = n;
    int greatestRow = -1;
    for (int i = 0; i < n * n; ++i) {
        if (input[i] != 0) {
            leastColumn = std::min(leastColumn, i % n);
            greatestColumn = std::max(greatestColumn, i % n);
            leastRow = std::min(leastRow, i / n);
            greatestRow = std::max(greatestRow, i / n);
        }
    }
    const int columnSpan = greatestColumn < 0 ? 0 : greatestColumn - leastColumn + 1;
    const int rowSpan = greatestRow < 0 ? 0 : greatestRow - leastRow + 1;
    side = std::max(columnSpan, rowSpan);
    cells.assign(static_cast<std::size_t>(side) * side, 0);
    for (int i = 0; i < n * n; ++i) {
        if (input[i] != 0) {
            SetCell(i / n - leastRow, i % n - leastColumn, 1);
        }
    }
    width = columnSpan * kCellSize;
    height = rowSpan * kCellSize;
    BuildOutline();
}

void CellShape::BuildOutline() {
    outline.clear();
    const auto isSet = [this](int r, int c) {
        return r >= 0 && c >= 0 && r < side && c < side && Cell(r, c) != 0;
    };
    for (int r = 0; r < side; ++r) {
        for (int c = 0; c < side; ++c) {
            if (!isSet(r, c)) {
                continue;
            }
            const int left = kCellSize * c;
            const int top = kCellSize * r;
            if (!isSet(r - 1, c)) {
                outline.push_back({left, top, left + kCellSize, top});
            }
            if (!isSet(r, c - 1)) {
                outline.push_back({left, top, left, top + kCellSize});
            }
            if (!isSet(r, c + 1)) {
                outline.push_back({left + kCellSize, top, left + kCellSize, top + kCellSize});
            }
            if (!isSet(r + 1, c)) {
                outline.push_back({left, top + kCellSize, left + kCellSize, top + kCellSize});
            }
        }
    }
}

void CellShape::Draw(DrawSurface& dc, int cellSize, bool withOutline) const {
    if (cellSize <= 0) {
        return;
    }
    const int rows = std::min(height / cellSize, side);
    const int columns = std::min(width / cellSize, side);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            if (Cell(r, c) == 1) {
                const int left = x + c * cellSize;
                const int top = y + r * cellSize;
                // One pixel more than the cell, so neighbours share their border line.
                dc.FrameRect({left, top, left + cellSize + 1, top + cellSize + 1}, penColour,
                             fillColour);
            }
        }
    }
    if (withOutline) {
        DrawOutline(dc, kBlack);
    }
}

void CellShape::DrawOutline(DrawSurface& dc, Rgb pen) const {
    for (const OutlineSegment& segment : outline) {
        dc.Line({x + segment.x0, y + segment.y0}, {x + segment.x1, y + segment.y1}, pen, 1);
    }
}

void CellShape::GetCorners(PixelPoint& topLeft, PixelPoint& bottomRight) const {
    topLeft = {x, y};
    bottomRight = {x + width, y + height};
}

void CellShape::SetPosition(int newX, int newY) {
    x = newX;
    y = newY;
}

void CellShape::SetGeometry(int newX, int newY, int newWidth, int newHeight) {
    x = newX;
    y = newY;
    width = newWidth;
    height = newHeight;
}

int CellShape::HitTest(PixelPoint point, bool onCell) const {
    if (point.x < x || point.y < y || point.x >= x + width || point.y >= y + height) {
        return -1;
    }
    if (onCell) {
        const int row = (point.y - y) / kCellSize;
        const int column = (point.x - x) / kCellSize;
        if (row >= side || column >= side || Cell(row, column) == 0) {
            return -1;
        }
    }
    return id;
}

}  // namespace tessellix
