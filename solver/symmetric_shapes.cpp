#include "solver/symmetric_shapes.h"

#include <algorithm>
#include <array>

#include "solver/twin_region.h"

namespace tessellix {

namespace {

// The compactness of the grown halves of medium and hard shapes, taken in turn: tighter halves
// leave fewer forced moves.
const std::array<std::vector<int>, 2> kCompactness{{{3, 4}, {5, 6}}};

enum class Kind { MirrorColumns, MirrorRows, HalfTurn };
constexpr std::array<Kind, 3> kKinds{Kind::MirrorColumns, Kind::MirrorRows, Kind::HalfTurn};

using Symmetry = SymmetricShapes::Symmetry;

// Whether the orientation's cells map onto themselves under the kind's symmetry through the
// middle of its matrix, which must then be a cell (odd extent along every flipped axis).
bool SelfSymmetric(const ElementOrientation& o, Kind kind) {
    const bool flipRows = kind != Kind::MirrorColumns;
    const bool flipColumns = kind != Kind::MirrorRows;
    if ((flipRows && o.rows % 2 == 0) || (flipColumns && o.columns % 2 == 0)) {
        return false;
    }
    for (int k = 0; k < kElementCells; ++k) {
        const int row = flipRows ? o.rows - 1 - o.cellRows[k] : o.cellRows[k];
        const int column = flipColumns ? o.columns - 1 - o.cellColumns[k] : o.cellColumns[k];
        bool found = false;
        for (int j = 0; j < kElementCells; ++j) {
            found = found || (o.cellRows[j] == row && o.cellColumns[j] == column);
        }
        if (!found) {
            return false;
        }
    }
    return true;
}

// The half's first element lies at the middle of the work area, against the mirror line or
// across the centre, which is placed to suit it.
Symmetry SymmetryBeside(const ElementOrientation& o, Kind kind, int middle) {
    Symmetry symmetry;
    switch (kind) {
        case Kind::MirrorColumns:
            symmetry.flipColumns = true;
            symmetry.columnSum = 2 * (middle + o.columns) - 1;
            break;
        case Kind::MirrorRows:
            symmetry.flipRows = true;
            symmetry.rowSum = 2 * (middle + o.rows) - 1;
            break;
        case Kind::HalfTurn: {
            // The centre lies below the bottom row, between two of its cells where it has two.
            int column = 0;
            for (int k = 0; k < kElementCells; ++k) {
                if (o.cellRows[k] == o.rows - 1) {
                    column = o.cellColumns[k];
                    break;
                }
            }
            symmetry.flipRows = symmetry.flipColumns = true;
            symmetry.rowSum = 2 * (middle + o.rows) - 1;
            symmetry.columnSum = 2 * (middle + column + 1) - 1;
            break;
        }
    }
    return symmetry;
}

// The symmetry through the middle of a self-symmetric element lying at the middle.
Symmetry SymmetryThrough(const ElementOrientation& o, Kind kind, int middle) {
    Symmetry symmetry;
    symmetry.flipRows = kind != Kind::MirrorColumns;
    symmetry.flipColumns = kind != Kind::MirrorRows;
    symmetry.rowSum = 2 * middle + o.rows - 1;
    symmetry.columnSum = 2 * middle + o.columns - 1;
    return symmetry;
}

// The cells of a region that the first half of order covers and the second half covers too,
// laid against the half where it holds elements across the line, or with the line set beside
// it where it holds none. Nothing when no region was found or it has no room.
std::optional<std::vector<std::pair<int, int>>> TwinCells(const std::vector<int>& order, Kind kind,
                                                          const GrownShape& half,
                                                          Symmetry& symmetry,
                                                          SeededRandom& random) {
    unsigned first = 0;
    unsigned second = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        (2 * i < order.size() ? first : second) |= 1u << order[i];
    }
    const bool sideBySide = kind == Kind::MirrorColumns;
    const std::optional<std::vector<std::pair<int, int>>> region =
        TwinRegion(first, second, sideBySide ? kCanvasRows : kCanvasRows / 2,
                   sideBySide ? kCanvasColumns / 2 : kCanvasColumns, random)
            .Grow();
    if (!region) {
        return std::nullopt;
    }
    int rows = 0;
    int columns = 0;
    for (const auto& [r, c] : *region) {
        rows = std::max(rows, r + 1);
        columns = std::max(columns, c + 1);
    }
    const int middle = GrownShape::kWorkSide / 2;
    std::vector<std::pair<int, int>> offsets;
    if (half.IsEmpty()) {
        // The line runs along the region's last column or row, so that the cells there meet
        // their images.
        offsets.push_back({middle, middle});
        if (sideBySide) {
            symmetry.flipColumns = true;
            symmetry.columnSum = 2 * (middle + columns) - 1;
        } else {
            symmetry.flipRows = true;
            symmetry.rowSum = 2 * (middle + rows) - 1;
        }
    } else {
        for (int row = half.Top() - rows; row <= half.Bottom() + 1; ++row) {
            for (int column = half.Left() - columns; column <= half.Right() + 1; ++column) {
                bool fits = true;
                bool touches = false;
                for (auto cell = region->begin(); cell != region->end() && fits; ++cell) {
                    const int r = row + cell->first;
                    const int c = column + cell->second;
                    fits = symmetry.InHalf(r, c) && !half.At(r, c);
                    touches = touches || half.At(r - 1, c) || half.At(r + 1, c) ||
                              half.At(r, c - 1) || half.At(r, c + 1);
                }
                if (fits && touches) {
                    offsets.push_back({row, column});
                }
            }
        }
        if (offsets.empty()) {
            return std::nullopt;
        }
    }
    const auto [row, column] = offsets[random.Below(offsets.size())];
    std::vector<std::pair<int, int>> cells;
    for (const auto& [r, c] : *region) {
        cells.push_back({row + r, column + c});
    }
    return cells;
}

}  // namespace

bool Symmetry::InHalf(int row, int column) const {
    if (flipRows && flipColumns) {
        return 2 * row < rowSum || (2 * row == rowSum && 2 * column < columnSum);
    }
    return flipRows ? 2 * row < rowSum : 2 * column < columnSum;
}

std::pair<int, int> Symmetry::Image(int row, int column) const {
    return {flipRows ? rowSum - row : row, flipColumns ? columnSum - column : column};
}

std::optional<ShapeCandidate> SymmetricShapes::Next() {
    const unsigned elements =
        request.elements != 0 ? request.elements : random.ChooseElements(request.elementCount);
    const bool easy = request.level == Level::Easy;
    // A half turn maps only I, X and Z onto themselves, too few to start an easy shape's forced
    // moves.
    const Kind kind = kKinds[random.Below(easy ? 2 : kKinds.size())];
    std::vector<int> order = random.Shuffled(elements);
    const OrientationTable& table = OrientationTable::Standard();
    const int middle = GrownShape::kWorkSide / 2;
    GrownShape half;
    Symmetry symmetry;
    // The elements that can lie across the line or on the centre, each with its orientations
    // that the symmetry maps onto themselves.
    std::vector<std::pair<std::size_t, std::vector<const ElementOrientation*>>> centred;
    for (std::size_t at = 0; at < order.size(); ++at) {
        std::vector<const ElementOrientation*> choices;
        for (const ElementOrientation& o : table.Of(order[at])) {
            if (SelfSymmetric(o, kind)) {
                choices.push_back(&o);
            }
        }
        if (!choices.empty()) {
            centred.emplace_back(at, std::move(choices));
        }
    }
    // An odd number of elements needs one across. An easy shape takes every pair more along the
    // mirror line: their forced places start the forced moves.
    std::size_t across = order.size() % 2;
    if (easy && centred.size() > across) {
        across += 2 * ((centred.size() - across) / 2);
    }
    if (centred.size() < across) {
        return std::nullopt;
    }
    if (across == 0 && !easy) {
        const std::vector<ElementOrientation>& orientations = table.Of(order.back());
        const ElementOrientation& o = orientations[random.Below(orientations.size())];
        half.LayAt({order.back(), &o, middle, middle});
        symmetry = SymmetryBeside(o, kind, middle);
        order.pop_back();
    } else if (across > 0) {
        // One after the other along the line, each centred on it.
        std::vector<std::size_t> laid;
        for (std::size_t k = 0; k < across; ++k) {
            const auto& [at, choices] = centred[k];
            const ElementOrientation& o = *choices[random.Below(choices.size())];
            if (k == 0) {
                half.LayAt({order[at], &o, middle, middle});
                symmetry = SymmetryThrough(o, kind, middle);
            } else if (kind == Kind::MirrorColumns) {
                half.LayAt(
                    {order[at], &o, half.Bottom() + 1, (symmetry.columnSum - (o.columns - 1)) / 2});
            } else {
                half.LayAt({order[at], &o, (symmetry.rowSum - (o.rows - 1)) / 2, half.Right() + 1});
            }
            laid.push_back(at);
        }
        for (auto at = laid.rbegin(); at != laid.rend(); ++at) {
            order.erase(order.begin() + static_cast<std::ptrdiff_t>(*at));
        }
    }
    std::vector<std::pair<int, int>> cells;
    if (easy) {
        // The rest of an easy shape is a region beside the line that half of them cover and the
        // other half cover too, mirrored: grown for the shape to have that cover, where a grown
        // half's image is rarely covered by the rest, which an easy shape needs more often than
        // others, as few shapes are easy.
        if (!order.empty()) {
            std::optional<std::vector<std::pair<int, int>>> twin =
                TwinCells(order, kind, half, symmetry, random);
            if (!twin) {
                return std::nullopt;
            }
            cells = std::move(*twin);
        }
    } else {
        // Half of the rest grows the half; the other half is left to cover its image.
        const std::vector<int>& cycle = kCompactness[static_cast<int>(request.level) - 1];
        order.resize(order.size() / 2);
        LayOptions options(cycle[tries++ % cycle.size()]);
        options.accept = [&symmetry](const GrownShape& grown) {
            const LaidElement& laid = grown.Laid().back();
            for (int k = 0; k < kElementCells; ++k) {
                if (!symmetry.InHalf(laid.row + laid.orientation->cellRows[k],
                                     laid.column + laid.orientation->cellColumns[k])) {
                    return false;
                }
            }
            // The whole shape spans the half and its image.
            const auto [top, left] = symmetry.Image(grown.Bottom(), grown.Right());
            const auto [bottom, right] = symmetry.Image(grown.Top(), grown.Left());
            return std::max(grown.Right(), right) - std::min(grown.Left(), left) < kCanvasColumns &&
                   std::max(grown.Bottom(), bottom) - std::min(grown.Top(), top) < kCanvasRows;
        };
        for (int element : order) {
            if (!half.Lay(element, random, options)) {
                return std::nullopt;
            }
        }
    }
    for (int r = half.Top(); r <= half.Bottom(); ++r) {
        for (int c = half.Left(); c <= half.Right(); ++c) {
            if (half.At(r, c)) {
                cells.push_back({r, c});
            }
        }
    }

    // The whole shape, centred on the canvas.
    const std::size_t halfCells = cells.size();
    for (std::size_t k = 0; k < halfCells; ++k) {
        cells.push_back(symmetry.Image(cells[k].first, cells[k].second));
    }
    int top = GrownShape::kWorkSide * 2;
    int left = top;
    int bottom = -top;
    int right = -top;
    for (const auto& [row, column] : cells) {
        top = std::min(top, row);
        left = std::min(left, column);
        bottom = std::max(bottom, row);
        right = std::max(right, column);
    }
    if (right - left >= kCanvasColumns || bottom - top >= kCanvasRows) {
        return std::nullopt;
    }
    std::vector<int> grid(kGridSide * kGridSide, 0);
    const int gridTop = (kCanvasRows - (bottom - top + 1)) / 2;
    const int gridLeft = (kCanvasColumns - (right - left + 1)) / 2;
    for (const auto& [row, column] : cells) {
        grid[(gridTop + row - top) * kGridSide + gridLeft + column - left] = 1;
    }
    if (!IsWholeShape(grid, kGridSide)) {
        return std::nullopt;
    }
    return ShapeCandidate{std::move(grid), elements};
}

}  // namespace tessellix
