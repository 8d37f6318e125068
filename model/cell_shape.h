#pragma once

#include <vector>

#include "model/draw_surface.h"

namespace tessellix {

// One grid cell is 15 x 15 pixels wherever the game places or measures shapes.
inline constexpr int kCellSize = 15;
inline constexpr Rgb kBlack{0, 0, 0};

// A border piece of the set cells: a horizontal or vertical line 15 pixels long,
// relative to the shape's top-left corner.
struct OutlineSegment {
    int x0 = 0;
    int y0 = 0;
    int x1 = 0;
    int y1 = 0;
    friend bool operator==(const OutlineSegment&, const OutlineSegment&) = default;
};

// A set of unit cells in a square matrix packed into its top-left corner, placed at a pixel
// position. Cell values: 0 none, 1 a cell, 2 a covered (play) or selected (editor) cell.
class CellShape {
  public:
    virtual ~CellShape() = default;

    // input is n x n, row-major, nonzero for a cell; it is cropped to the bounding square.
    void Create(int id, int column, int row, const std::vector<int>& input, int n, Rgb fillColour,
                Rgb penColour);
    void BuildOutline();
    // Paints cells of value exactly 1; cellSize other than 15 only for a scaled preview.
    virtual void Draw(DrawSurface& dc, int cellSize, bool withOutline) const;
    void DrawOutline(DrawSurface& dc, Rgb pen) const;
    void GetCorners(PixelPoint& topLeft, PixelPoint& bottomRight) const;
    void SetPosition(int newX, int newY);
    void SetGeometry(int newX, int newY, int newWidth, int newHeight);
    // id when the point lies in [x, x + width) x [y, y + height) (and on a set cell if
    // onCell), otherwise -1.
    int HitTest(PixelPoint point, bool onCell) const;

    // 0 <= row, column < side
    int Cell(int row, int column) const { return cells[row * side + column]; }
    void SetCell(int row, int column, int value) { cells[row * side + column] = value; }
    bool IsEmpty() const { return side == 0; }

    int id = -1;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    Rgb fillColour;
    Rgb penColour;
    std::vector<int> cells;  // side x side, row-major
    int side = 0;
    std::vector<OutlineSegment> outline;
};

}  // namespace tessellix
