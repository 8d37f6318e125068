#include "solver/twin_region.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <optional>

#include "model/orientation_table.h"

namespace tessellix {

namespace {

constexpr int kSide = 48;
constexpr int kMiddle = kSide / 2;
// As many lays as there are.
constexpr std::size_t kAll = std::numeric_limits<std::size_t>::max();
// Lays tried in all before the search gives up, and of the lays over a cell, the first few.
constexpr int kBudget = 400;
constexpr int kBranches = 2;

}  // namespace

struct TwinRegion::Lay {
    int side = 0;
    int element = 0;
    const ElementOrientation* orientation = nullptr;
    int row = 0;
    int column = 0;
};

TwinRegion::TwinRegion(unsigned first, unsigned second, int rows, int columns, SeededRandom& random)
    : cells(kSide * kSide, 0),
      left{first, second},
      maxRows(rows),
      maxColumns(columns),
      random(random) {}

bool TwinRegion::At(int row, int column, int side) const {
    return (cells[row * kSide + column] & (1 << side)) != 0;
}

void TwinRegion::Put(const Lay& lay, bool on) {
    const ElementOrientation& o = *lay.orientation;
    for (int k = 0; k < kElementCells; ++k) {
        unsigned char& cell =
            cells[(lay.row + o.cellRows[k]) * kSide + lay.column + o.cellColumns[k]];
        const bool other = (cell & (2 >> lay.side)) != 0;
        // A cell that both sides cover matches; one side's alone is mismatched.
        (other ? mismatched[1 - lay.side] : mismatched[lay.side]) += (on == other) ? -1 : 1;
        cell ^= static_cast<unsigned char>(1 << lay.side);
    }
    left[lay.side] ^= 1u << lay.element;
}

TwinRegion::Box TwinRegion::Bounds() const {
    Box box{kSide, kSide, -1, -1};
    for (int r = 0; r < kSide; ++r) {
        for (int c = 0; c < kSide; ++c) {
            if (cells[r * kSide + c] != 0) {
                box = box.With(r, c);
            }
        }
    }
    return box;
}

std::vector<std::pair<int, TwinRegion::Lay>> TwinRegion::LaysOver(int row, int column, int side,
                                                                  const Box& box,
                                                                  std::size_t enough) const {
    std::vector<std::pair<int, Lay>> lays;
    const OrientationTable& table = OrientationTable::Standard();
    for (int element = 0; element < ElementSet::kCount; ++element) {
        if ((left[side] & (1u << element)) == 0) {
            continue;
        }
        for (const ElementOrientation& o : table.Of(element)) {
            for (int anchor = 0; anchor < kElementCells; ++anchor) {
                const Lay lay{side, element, &o, row - o.cellRows[anchor],
                              column - o.cellColumns[anchor]};
                const Box grown = box.With(lay.row, lay.column)
                                      .With(lay.row + o.rows - 1, lay.column + o.columns - 1);
                if (grown.bottom - grown.top >= maxRows || grown.right - grown.left >= maxColumns) {
                    continue;
                }
                int overlap = 0;
                bool free = true;
                for (int k = 0; k < kElementCells && free; ++k) {
                    const int r = lay.row + o.cellRows[k];
                    const int c = lay.column + o.cellColumns[k];
                    free = !At(r, c, side);
                    overlap += At(r, c, 1 - side) ? 1 : 0;
                }
                if (free) {
                    lays.push_back({kElementCells - 2 * overlap, lay});
                    if (lays.size() >= enough) {
                        return lays;
                    }
                }
            }
        }
    }
    return lays;
}

void TwinRegion::Order(std::vector<std::pair<int, Lay>>& lays) {
    for (std::size_t i = lays.size(); i > 1; --i) {
        std::swap(lays[i - 1], lays[random.Below(i)]);
    }
    std::stable_sort(lays.begin(), lays.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
}

bool TwinRegion::Search() {
    if (++searched > kBudget) {
        return false;
    }
    if (mismatched[0] > kElementCells * std::popcount(left[1]) ||
        mismatched[1] > kElementCells * std::popcount(left[0])) {
        return false;
    }
    // The mismatched cell with the fewest lays of the other side over it; with none mismatched,
    // the first set's lays against the region.
    const Box box = Bounds();
    std::optional<std::vector<std::pair<int, Lay>>> best;
    for (int r = box.top; r <= box.bottom; ++r) {
        for (int c = box.left; c <= box.right; ++c) {
            const unsigned char cell = cells[r * kSide + c];
            if (cell == 1 || cell == 2) {
                std::vector<std::pair<int, Lay>> lays =
                    LaysOver(r, c, cell == 1 ? 1 : 0, box, best ? best->size() : kAll);
                if (!best || lays.size() < best->size()) {
                    best = std::move(lays);
                    if (best->empty()) {
                        return false;
                    }
                }
            }
        }
    }
    if (!best) {
        if (left[0] == 0 && left[1] == 0) {
            return true;
        }
        best.emplace();
        for (int r = box.top - 1; r <= box.bottom + 1; ++r) {
            for (int c = box.left - 1; c <= box.right + 1; ++c) {
                if (cells[r * kSide + c] == 0 &&
                    (cells[(r - 1) * kSide + c] | cells[(r + 1) * kSide + c] |
                     cells[r * kSide + c - 1] | cells[r * kSide + c + 1]) != 0) {
                    for (auto& lay : LaysOver(r, c, 0, box, kAll)) {
                        best->push_back(lay);
                    }
                }
            }
        }
    }
    Order(*best);
    for (int b = 0; b < kBranches && b < static_cast<int>(best->size()); ++b) {
        Put((*best)[b].second, true);
        if (Search()) {
            return true;
        }
        Put((*best)[b].second, false);
    }
    return false;
}

std::optional<std::vector<std::pair<int, int>>> TwinRegion::Grow() {
    const std::vector<int> order = random.Shuffled(left[0]);
    if (order.empty()) {
        return std::vector<std::pair<int, int>>{};
    }
    const std::vector<ElementOrientation>& orientations =
        OrientationTable::Standard().Of(order.front());
    Put({0, order.front(), &orientations[random.Below(orientations.size())], kMiddle, kMiddle},
        true);
    if (!Search()) {
        return std::nullopt;
    }
    std::vector<std::pair<int, int>> region;
    int top = kSide;
    int leftmost = kSide;
    for (int r = 0; r < kSide; ++r) {
        for (int c = 0; c < kSide; ++c) {
            if (cells[r * kSide + c] != 0) {
                region.push_back({r, c});
                top = std::min(top, r);
                leftmost = std::min(leftmost, c);
            }
        }
    }
    for (auto& [r, c] : region) {
        r -= top;
        c -= leftmost;
    }
    return region;
}

}  // namespace tessellix
