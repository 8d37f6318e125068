#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace tessellix {

// How the generator shapes its puzzles:
//   compact    a blob without arms: at most kCompactPerimeterPercent / 100 free cell edges per
//              cell and at most kCompactTips tips, like the designed puzzles (those of 50 cells
//              or more measure 0.53 to 1.13 per cell, most with no tip at all);
//   symmetric  a shape that a mirror or a half turn maps onto itself, with one solution up to
//              that symmetry;
//   free       elements laid at random against each other, arms and all.
enum class ShapeStyle { Compact, Symmetric, Free };

inline constexpr std::array<ShapeStyle, 3> kShapeStyles{ShapeStyle::Compact, ShapeStyle::Symmetric,
                                                        ShapeStyle::Free};

// "compact", "symmetric", "free": the tool's option values.
std::string_view ShapeStyleName(ShapeStyle style);
std::optional<ShapeStyle> ShapeStyleNamed(std::string_view name);

inline constexpr int kCompactPerimeterPercent = 113;
inline constexpr int kCompactTips = 2;

// The outline of a shape: its perimeter counts the cell edges that border no cell of the shape,
// and a tip is a cell with three such edges, the end of an arm one cell wide.
struct ShapeMeasure {
    int cells = 0;
    int perimeter = 0;
    int tips = 0;
};

// grid: side x side, row-major, nonzero for a cell.
ShapeMeasure MeasureShape(const std::vector<int>& grid, int side);
bool IsCompact(const ShapeMeasure& measure);

// Whether the cells of grid (side x side, nonzero for a cell) are one piece without a hole.
bool IsWholeShape(const std::vector<int>& grid, int side);

}  // namespace tessellix
