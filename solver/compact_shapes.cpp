#include "solver/compact_shapes.h"

#include <algorithm>
#include <array>

#include "solver/deduction_solver.h"

namespace tessellix {

namespace {

// Contact weight of the walk and of the easy growth: blobs.
constexpr int kCompactness = 6;
// Moves before the walk gives up on a shape and grows another.
constexpr int kWalkLength = 300;
// Spots tried for a moved element, and for an element of an easy shape, of which the most
// compact of kEasyChoices is kept.
constexpr int kMoveSpots = 40;
constexpr int kEasySpots = 300;
constexpr int kEasyChoices = 8;

// The five cells of an element as rows and columns from a corner, sorted.
using Cells = std::array<std::pair<int, int>, kElementCells>;

Cells CellsOf(const ElementOrientation& o, int row, int column) {
    Cells cells;
    for (int k = 0; k < kElementCells; ++k) {
        cells[k] = {row + o.cellRows[k], column + o.cellColumns[k]};
    }
    std::sort(cells.begin(), cells.end());
    return cells;
}

}  // namespace

int CompactShapes::Excess(const ShapeMeasure& measure) const {
    const int limit = perimeterLimit > 0 ? 100 * perimeterLimit : kAimPercent * measure.cells;
    const int perimeter = measure.perimeter * 100 - limit;
    return std::max(0, perimeter) + 100 * std::max(0, measure.tips - kCompactTips);
}

unsigned CompactShapes::ChooseElements() {
    return request.elements != 0 ? request.elements : random.ChooseElements(request.elementCount);
}

bool CompactShapes::Start() {
    shape = GrownShape();
    suspects.clear();
    best.reset();
    for (int element : random.Shuffled(ChooseElements())) {
        if (!shape.Lay(element, random, LayOptions(kCompactness))) {
            return false;
        }
    }
    return true;
}

bool CompactShapes::Move() {
    const std::vector<LaidElement>& laid = shape.Laid();
    const int element = !suspects.empty() ? suspects[random.Below(suspects.size())]
                                          : laid[random.Below(laid.size())].element;
    suspects.clear();
    std::size_t index = 0;
    while (laid[index].element != element) {
        ++index;
    }
    const GrownShape before = shape;
    const int excess = Excess(before.Measure());
    shape.TakeOff(index);
    // The rest must stay one piece without a hole, or the element would have to go back.
    LayOptions options(kCompactness);
    options.accept = [this, excess](const GrownShape& grown) {
        return Excess(grown.Measure()) <= excess;
    };
    options.maxAsked = kMoveSpots;
    if (!shape.IsConnected() || shape.HasHole() || !shape.Lay(element, random, options)) {
        shape = before;
        return false;
    }
    shape.Recentre();
    return true;
}

bool CompactShapes::NoFurther(std::uint64_t deadEnds) const {
    const bool tooFew =
        request.level == Level::Hard || (request.level == Level::Medium && bestDeadEnds == 0);
    return tooFew ? deadEnds >= bestDeadEnds : deadEnds <= bestDeadEnds;
}

std::optional<ShapeCandidate> CompactShapes::GrowSolvedByForcedMoves() {
    shape = GrownShape();
    LayOptions options(kCompactness);
    options.accept = [](const GrownShape& grown) { return grown.IsSolvedByForcedMoves(); };
    options.maxAsked = kEasySpots;
    options.choices = kEasyChoices;
    options.score = [](const GrownShape& grown) {
        const ShapeMeasure measure = grown.Measure();
        return measure.perimeter + 4 * measure.tips;
    };
    const unsigned elements = ChooseElements();
    for (int element : random.Shuffled(elements)) {
        if (!shape.Lay(element, random, options)) {
            return std::nullopt;
        }
    }
    if (!IsCompact(shape.Measure())) {
        return std::nullopt;
    }
    return ShapeCandidate{shape.Grid(), elements};
}

std::optional<ShapeCandidate> CompactShapes::Next() {
    if (request.level == Level::Easy) {
        return GrowSolvedByForcedMoves();
    }
    if (kept) {
        // Polishing walks on from the kept shape within a shorter outline; when its tries run
        // out, the kept shape is offered again.
        offering = polishing == 0;
        if (offering) {
            shape = *kept;
            return ShapeCandidate{shape.Grid(), shape.Elements()};
        }
        --polishing;
    }
    const bool fresh = steps == 0;
    steps = (steps + 1) % kWalkLength;
    if (fresh && kept) {
        shape = *kept;
        best.reset();
    }
    if (fresh && !kept ? !Start() : !Move()) {
        return std::nullopt;
    }
    if (Excess(shape.Measure()) > 0) {
        return std::nullopt;
    }
    return ShapeCandidate{shape.Grid(), shape.Elements()};
}

bool CompactShapes::Takes(int triesLeft) {
    const ShapeMeasure measure = shape.Measure();
    if (offering || request.level == Level::Easy ||
        measure.perimeter * 100 <= kTightPercent * measure.cells) {
        return true;
    }
    if (!kept) {
        // One try is left over to offer the kept shape again.
        polishing = std::min(kPolishTries, triesLeft - 1);
        if (polishing <= 0) {
            return true;
        }
    }
    // The walk goes on from here, judging only shapes with a shorter outline.
    kept = shape;
    perimeterLimit = measure.perimeter - 1;
    best.reset();
    return false;
}

void CompactShapes::Hear(const CandidateVerdict& verdict) {
    suspects.clear();
    if (request.level == Level::Easy) {
        return;
    }
    if (verdict.rating) {
        const std::uint64_t deadEnds = verdict.rating->measure.DeadEndsPerCover();
        if (!best || NoFurther(deadEnds)) {
            best = shape;
            bestDeadEnds = deadEnds;
            return;
        }
    }
    if (best) {
        shape = *best;
        return;
    }
    // Both covers count rows and columns from the top-left corner of the shape's cells.
    const OrientationTable& table = OrientationTable::Standard();
    for (const Solution& other : verdict.firstCovers) {
        for (const LaidElement& laid : shape.Laid()) {
            const Placement& p = other[laid.element].placement;
            const Cells there =
                CellsOf(table.State(laid.element, p.rotation & 3, p.mirrored & 1), p.row, p.column);
            if (CellsOf(*laid.orientation, laid.row - shape.Top(), laid.column - shape.Left()) !=
                there) {
                suspects.push_back(laid.element);
            }
        }
        if (!suspects.empty()) {
            return;
        }
    }
}

}  // namespace tessellix
