#include "solver/grown_shape.h"

#include <algorithm>
#include <array>
#include <optional>

#include "library/puzzle_file.h"
#include "solver/deduction_solver.h"

namespace tessellix {

namespace {

constexpr int kMiddle = GrownShape::kWorkSide / 2;

std::uint64_t Power(std::uint64_t base, int exponent) {
    std::uint64_t result = 1;
    for (int i = 0; i < exponent; ++i) {
        result *= base;
    }
    return result;
}

}  // namespace

GrownShape::Box GrownShape::Box::With(int row, int column, const ElementOrientation& o) const {
    return {std::min(top, row), std::min(left, column), std::max(bottom, row + o.rows - 1),
            std::max(right, column + o.columns - 1)};
}

bool GrownShape::Box::FitsCanvas() const {
    return right - left + 1 <= kCanvasColumns && bottom - top + 1 <= kCanvasRows;
}

GrownShape::GrownShape() : cells(static_cast<std::size_t>(kWorkSide) * kWorkSide, 0) {}

unsigned GrownShape::Elements() const {
    unsigned elements = 0;
    for (const LaidElement& element : laid) {
        elements |= 1u << element.element;
    }
    return elements;
}

void GrownShape::Put(const LaidElement& element, char value) {
    const ElementOrientation& o = *element.orientation;
    for (int k = 0; k < kElementCells; ++k) {
        cells[static_cast<std::size_t>(element.row + o.cellRows[k]) * kWorkSide + element.column +
              o.cellColumns[k]] = value;
    }
}

int GrownShape::Contact(int row, int column, const ElementOrientation& o) const {
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

// Whether some empty cell of the area cannot reach the outside through empty cells.
bool GrownShape::HasHoleIn(const Box& area) const {
    const int top = area.top - 1;
    const int left = area.left - 1;
    const int rows = area.bottom - area.top + 3;
    const int columns = area.right - area.left + 3;
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

bool GrownShape::HasHole() const {
    return !laid.empty() && HasHoleIn(box);
}

bool GrownShape::Lay(int element, SeededRandom& random, const LayOptions& options) {
    const std::vector<ElementOrientation>& orientations = OrientationTable::Standard().Of(element);
    if (laid.empty()) {
        const LaidElement first{element, &orientations[random.Below(orientations.size())], kMiddle,
                                kMiddle};
        Put(first, 1);
        laid.push_back(first);
        box = box.With(first.row, first.column, *first.orientation);
        return true;
    }
    std::vector<Spot> spots;
    std::uint64_t total = 0;
    for (const ElementOrientation& o : orientations) {
        const int firstRow = std::max(1, box.top - o.rows);
        const int lastRow = std::min(kWorkSide - 1 - o.rows, box.bottom + 1);
        const int firstColumn = std::max(1, box.left - o.columns);
        const int lastColumn = std::min(kWorkSide - 1 - o.columns, box.right + 1);
        for (int row = firstRow; row <= lastRow; ++row) {
            for (int column = firstColumn; column <= lastColumn; ++column) {
                if (!box.With(row, column, o).FitsCanvas()) {
                    continue;
                }
                if (const int contact = Contact(row, column, o); contact > 0) {
                    spots.push_back(
                        {{element, &o, row, column}, Power(contact, options.compactness)});
                    total += spots.back().weight;
                }
            }
        }
    }
    // A spot that walls off empty cells, or that accept refuses, is dropped and another drawn.
    const Box before = box;
    int asked = 0;
    int accepted = 0;
    std::optional<Spot> best;
    int bestScore = 0;
    while (!spots.empty() && total > 0 && (options.maxAsked == 0 || asked < options.maxAsked)) {
        std::uint64_t draw = random.Below(total);
        std::size_t index = 0;
        while (draw >= spots[index].weight) {
            draw -= spots[index++].weight;
        }
        const Spot spot = spots[index];
        total -= spot.weight;
        spots.erase(spots.begin() + static_cast<std::ptrdiff_t>(index));
        box = before.With(spot.laid.row, spot.laid.column, *spot.laid.orientation);
        Put(spot.laid, 1);
        laid.push_back(spot.laid);
        bool fits = !HasHoleIn(box);
        if (fits && options.accept) {
            ++asked;
            fits = options.accept(*this);
        }
        if (fits && options.choices <= 1) {
            return true;
        }
        if (fits) {
            const int score = options.score ? options.score(*this) : 0;
            if (!best || score < bestScore) {
                best = spot;
                bestScore = score;
            }
        }
        laid.pop_back();
        Put(spot.laid, 0);
        box = before;
        if (fits && ++accepted == options.choices) {
            break;
        }
    }
    if (!best) {
        return false;
    }
    box = before.With(best->laid.row, best->laid.column, *best->laid.orientation);
    Put(best->laid, 1);
    laid.push_back(best->laid);
    return true;
}

GrownShape::Box GrownShape::BoxOfLaid() const {
    if (laid.empty()) {
        return {};
    }
    Box found{kWorkSide, kWorkSide, -1, -1};
    for (const LaidElement& element : laid) {
        found = found.With(element.row, element.column, *element.orientation);
    }
    return found;
}

void GrownShape::LayAt(const LaidElement& element) {
    Put(element, 1);
    laid.push_back(element);
    box = BoxOfLaid();
}

void GrownShape::TakeOff(std::size_t index) {
    Put(laid[index], 0);
    laid.erase(laid.begin() + static_cast<std::ptrdiff_t>(index));
    box = BoxOfLaid();
}

void GrownShape::Recentre() {
    if (laid.empty()) {
        return;
    }
    const int rowShift = kMiddle - (box.top + box.bottom) / 2;
    const int columnShift = kMiddle - (box.left + box.right) / 2;
    if (rowShift == 0 && columnShift == 0) {
        return;
    }
    for (LaidElement& element : laid) {
        Put(element, 0);
        element.row += rowShift;
        element.column += columnShift;
    }
    for (const LaidElement& element : laid) {
        Put(element, 1);
    }
    box = BoxOfLaid();
}

bool GrownShape::IsConnected() const {
    if (laid.empty()) {
        return true;
    }
    const LaidElement& first = laid.front();
    std::vector<char> reached(cells.size(), 0);
    std::vector<int> stack{(first.row + first.orientation->cellRows[0]) * kWorkSide + first.column +
                           first.orientation->cellColumns[0]};
    reached[stack.back()] = 1;
    std::size_t count = 1;
    while (!stack.empty()) {
        const int index = stack.back();
        stack.pop_back();
        for (const int step : {1, -1, kWorkSide, -kWorkSide}) {
            const int next = index + step;
            if (cells[next] != 0 && reached[next] == 0) {
                reached[next] = 1;
                ++count;
                stack.push_back(next);
            }
        }
    }
    return count == laid.size() * kElementCells;
}

ShapeMeasure GrownShape::Measure() const {
    ShapeMeasure measure;
    for (int r = box.top; r <= box.bottom; ++r) {
        for (int c = box.left; c <= box.right; ++c) {
            if (!At(r, c)) {
                continue;
            }
            const int free = !At(r - 1, c) + !At(r + 1, c) + !At(r, c - 1) + !At(r, c + 1);
            ++measure.cells;
            measure.perimeter += free;
            measure.tips += free == 3 ? 1 : 0;
        }
    }
    return measure;
}

bool GrownShape::IsSolvedByForcedMoves() const {
    const TilingSolver solver(Grid(), kGridSide, Elements());
    if (solver.Problem() != SolverProblem::None) {
        return false;
    }
    // A second guess is never made: the first one already says the shape needs guessing.
    DeductionOptions options;
    options.maxGuesses = 1;
    const DeductionMeasure measure = DeductionSolver(solver).Solve(options);
    return measure.guesses == 0 && measure.covers == 1;
}

std::vector<int> GrownShape::Grid() const {
    std::vector<int> grid(kGridSide * kGridSide, 0);
    if (laid.empty()) {
        return grid;
    }
    const int rows = box.bottom - box.top + 1;
    const int columns = box.right - box.left + 1;
    const int top = (kCanvasRows - rows) / 2;
    const int left = (kCanvasColumns - columns) / 2;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            grid[(top + r) * kGridSide + left + c] = At(box.top + r, box.left + c) ? 1 : 0;
        }
    }
    return grid;
}

}  // namespace tessellix
