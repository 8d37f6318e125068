#include "solver/shape_style.h"

namespace tessellix {

namespace {

constexpr std::array<std::string_view, 3> kStyleNames{"compact", "symmetric", "free"};

}  // namespace

std::string_view ShapeStyleName(ShapeStyle style) {
    return kStyleNames[static_cast<int>(style)];
}

std::optional<ShapeStyle> ShapeStyleNamed(std::string_view name) {
    for (ShapeStyle style : kShapeStyles) {
        if (ShapeStyleName(style) == name) {
            return style;
        }
    }
    return std::nullopt;
}

ShapeMeasure MeasureShape(const std::vector<int>& grid, int side) {
    const auto at = [&](int row, int column) {
        return row >= 0 && column >= 0 && row < side && column < side &&
               grid[static_cast<std::size_t>(row) * side + column] != 0;
    };
    ShapeMeasure measure;
    for (int row = 0; row < side; ++row) {
        for (int column = 0; column < side; ++column) {
            if (!at(row, column)) {
                continue;
            }
            const int free = !at(row - 1, column) + !at(row + 1, column) + !at(row, column - 1) +
                             !at(row, column + 1);
            ++measure.cells;
            measure.perimeter += free;
            measure.tips += free == 3 ? 1 : 0;
        }
    }
    return measure;
}

bool IsCompact(const ShapeMeasure& measure) {
    return measure.perimeter * 100 <= kCompactPerimeterPercent * measure.cells &&
           measure.tips <= kCompactTips;
}

bool IsWholeShape(const std::vector<int>& grid, int side) {
    // Flood fills: the cells from the first one, and the empty cells from a frame around the grid.
    const int framed = side + 2;
    const auto isCell = [&](int index) {
        const int row = index / framed - 1;
        const int column = index % framed - 1;
        return row >= 0 && column >= 0 && row < side && column < side &&
               grid[static_cast<std::size_t>(row) * side + column] != 0;
    };
    const auto fill = [&](int start, bool cells) {
        std::vector<char> reached(static_cast<std::size_t>(framed) * framed, 0);
        std::vector<int> stack{start};
        reached[start] = 1;
        int count = 1;
        while (!stack.empty()) {
            const int index = stack.back();
            stack.pop_back();
            const int column = index % framed;
            for (const int next : {index - framed, index + framed, column > 0 ? index - 1 : -1,
                                   column + 1 < framed ? index + 1 : -1}) {
                if (next >= 0 && next < framed * framed && !reached[next] &&
                    isCell(next) == cells) {
                    reached[next] = 1;
                    ++count;
                    stack.push_back(next);
                }
            }
        }
        return count;
    };
    int cellCount = 0;
    int first = -1;
    for (int index = 0; index < framed * framed; ++index) {
        if (isCell(index)) {
            ++cellCount;
            first = first < 0 ? index : first;
        }
    }
    return cellCount > 0 && fill(first, true) == cellCount &&
           fill(0, false) == framed * framed - cellCount;
}

}  // namespace tessellix
