#include "solver/symmetric_shapes.h"

#include <algorithm>
#include <array>

namespace tessellix {

namespace {

// The compactness of the halves for each level, taken in turn: looser halves leave more to
// forced moves, tighter ones more often make an image that the other elements cover.
const std::array<std::vector<int>, 3> kCompactness{{{1, 2, 3}, {3, 4}, {5, 6}}};

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
    const std::vector<int>& cycle = kCompactness[static_cast<int>(request.level)];
    const int compactness = cycle[tries++ % cycle.size()];
    const Kind kind = kKinds[random.Below(kKinds.size())];
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
    // An odd number of elements needs one across. An easy shape takes pairs more along a
    // mirror line, as many as drawn: their forced places start the forced moves.
    std::size_t across = order.size() % 2;
    if (request.level == Level::Easy && kind != Kind::HalfTurn && centred.size() > across) {
        across += 2 * random.Below((centred.size() - across) / 2 + 1);
    }
    if (centred.size() < across) {
        return std::nullopt;
    }
    if (across == 0) {
        const std::vector<ElementOrientation>& orientations = table.Of(order.back());
        const ElementOrientation& o = orientations[random.Below(orientations.size())];
        half.LayAt({order.back(), &o, middle, middle});
        symmetry = SymmetryBeside(o, kind, middle);
        order.pop_back();
    } else {
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
    // Half of the rest grows the half; the other half is left to cover its image.
    order.resize(order.size() / 2);
    LayOptions options(compactness);
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

    // The whole shape, centred on the canvas.
    std::vector<std::pair<int, int>> cells;
    int top = GrownShape::kWorkSide * 2;
    int left = top;
    int bottom = -top;
    int right = -top;
    for (int r = half.Top(); r <= half.Bottom(); ++r) {
        for (int c = half.Left(); c <= half.Right(); ++c) {
            if (!half.At(r, c)) {
                continue;
            }
            for (const auto& [row, column] : {std::pair{r, c}, symmetry.Image(r, c)}) {
                cells.push_back({row, column});
                top = std::min(top, row);
                left = std::min(left, column);
                bottom = std::max(bottom, row);
                right = std::max(right, column);
            }
        }
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
