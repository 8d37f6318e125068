#include "solver/shape_grower.h"

#include <algorithm>
#include <array>

#include "library/puzzle_file.h"
#include "model/element_set.h"
#include "model/puzzle_shape.h"
#include "model/orientation_table.h"

namespace tessellix {

namespace {

// The shape grows in a square wide enough for the canvas in every direction from its middle.
constexpr int kWorkSide = 2 * kCanvasColumns + 16;
constexpr int kMiddle = kWorkSide / 2;

struct Box {
    int top = kMiddle;
    int left = kMiddle;
    int bottom = kMiddle - 1;
    int right = kMiddle - 1;

    Box With(int row, int column, const ElementOrientation& o) const {
        return {std::min(top, row), std::min(left, column), std::max(bottom, row + o.rows - 1),
                std::max(right, column + o.columns - 1)};
    }
    bool FitsCanvas() const {
        return right - left + 1 <= kCanvasColumns && bottom - top + 1 <= kCanvasRows;
    }
};

struct Spot {
    int row = 0;
    int column = 0;
    const ElementOrientation* orientation = nullptr;
    std::uint64_t weight = 0;
};

class WorkArea {
  public:
    bool At(int row, int column) const { return cells[row * kWorkSide + column] != 0; }

    void Put(const Spot& spot, char value) {
        const ElementOrientation& o = *spot.orientation;
        for (int k = 0; k < kElementCells; ++k) {
            cells[(spot.row + o.cellRows[k]) * kWorkSide + spot.column + o.cellColumns[k]] = value;
        }
    }

    // Cell edges shared with the shape, or 0 when the spot overlaps it.
    int Contact(int row, int column, const ElementOrientation& o) const {
        int contact = 0;
        for (int k = 0; k < kElementCells; ++k) {
            const int r = row + o.cellRows[k];
            const int c = column + o.cellColumns[k];
            if (At(r, c)) {
                return 0;
            }
            contact += At(r - 1, c) + At(r + 1, c) + At(r, c - 1) + At(r, c + 1);
        }
        return contact;
    }

    // Whether some empty cell of the box cannot reach the outside through empty cells.
    bool HasHole(const Box& box) const {
        const int top = box.top - 1;
        const int left = box.left - 1;
        const int rows = box.bottom - box.top + 3;
        const int columns = box.right - box.left + 3;
        std::vector<char> reached(static_cast<std::size_t>(rows) * columns, 0);
        std::vector<int> stack{0};
        reached[0] = 1;
        int empty = 0;
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c) {
                empty += At(top + r, left + c) ? 0 : 1;
            }
        }
        int outside = 1;
        constexpr std::array<std::array<int, 2>, 4> kSteps{{{1, 0}, {-1, 0}, {0, 1}, {0, -1}}};
        while (!stack.empty()) {
            const int index = stack.back();
            stack.pop_back();
            for (const auto& [dr, dc] : kSteps) {
                const int r = index / columns + dr;
                const int c = index % columns + dc;
                if (r < 0 || c < 0 || r >= rows || c >= columns || reached[r * columns + c] ||
                    At(top + r, left + c)) {
                    continue;
                }
                reached[r * columns + c] = 1;
                ++outside;
                stack.push_back(r * columns + c);
            }
        }
        return outside != empty;
    }

  private:
    std::vector<char> cells = std::vector<char>(kWorkSide * kWorkSide, 0);
};

std::uint64_t Power(std::uint64_t base, int exponent) {
    std::uint64_t result = 1;
    for (int i = 0; i < exponent; ++i) {
        result *= base;
    }
    return result;
}

}  // namespace

ShapeGrower::ShapeGrower(std::uint64_t seed) : random(seed) {}

std::uint64_t ShapeGrower::Below(std::uint64_t n) {
    return random() % n;
}

unsigned ShapeGrower::ChooseElements(int count) {
    std::array<int, ElementSet::kCount> order{};
    for (int i = 0; i < ElementSet::kCount; ++i) {
        order[i] = i;
    }
    unsigned chosen = 0;
    for (int i = 0; i < count && i < ElementSet::kCount; ++i) {
        std::swap(order[i], order[i + Below(ElementSet::kCount - i)]);
        chosen |= 1u << order[i];
    }
    return chosen;
}

std::optional<std::vector<int>> ShapeGrower::Grow(unsigned elements, int compactness) {
    std::vector<int> order;
    for (int element = 0; element < ElementSet::kCount; ++element) {
        if ((elements & (1u << element)) != 0) {
            order.push_back(element);
        }
    }
    for (std::size_t i = order.size(); i > 1; --i) {
        std::swap(order[i - 1], order[Below(i)]);
    }
    const OrientationTable& table = OrientationTable::Standard();
    WorkArea area;
    Box box;
    for (std::size_t placed = 0; placed < order.size(); ++placed) {
        const std::vector<ElementOrientation>& orientations = table.Of(order[placed]);
        if (placed == 0) {
            const Spot first{kMiddle, kMiddle, &orientations[Below(orientations.size())], 1};
            area.Put(first, 1);
            box = box.With(first.row, first.column, *first.orientation);
            continue;
        }
        std::vector<Spot> spots;
        std::uint64_t total = 0;
        for (const ElementOrientation& o : orientations) {
            for (int row = box.top - o.rows; row <= box.bottom + 1; ++row) {
                for (int column = box.left - o.columns; column <= box.right + 1; ++column) {
                    if (!box.With(row, column, o).FitsCanvas()) {
                        continue;
                    }
                    if (const int contact = area.Contact(row, column, o); contact > 0) {
                        spots.push_back({row, column, &o, Power(contact, compactness)});
                        total += spots.back().weight;
                    }
                }
            }
        }
        // A spot that walls off empty cells is dropped and another drawn.
        while (true) {
            if (spots.empty()) {
                return std::nullopt;
            }
            std::uint64_t draw = Below(total);
            std::size_t index = 0;
            while (draw >= spots[index].weight) {
                draw -= spots[index++].weight;
            }
            const Spot spot = spots[index];
            const Box grown = box.With(spot.row, spot.column, *spot.orientation);
            area.Put(spot, 1);
            if (!area.HasHole(grown)) {
                box = grown;
                break;
            }
            area.Put(spot, 0);
            total -= spot.weight;
            spots.erase(spots.begin() + static_cast<std::ptrdiff_t>(index));
        }
    }

    std::vector<int> grid(kGridSide * kGridSide, 0);
    const int rows = box.bottom - box.top + 1;
    const int columns = box.right - box.left + 1;
    const int top = (kCanvasRows - rows) / 2;
    const int left = (kCanvasColumns - columns) / 2;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            grid[(top + r) * kGridSide + left + c] = area.At(box.top + r, box.left + c) ? 1 : 0;
        }
    }
    return grid;
}

}  // namespace tessellix
