#include "solver/board_questions.h"

#include <algorithm>
#include <bit>
#include <functional>

#include "model/element_set.h"
#include "model/orientation_table.h"

namespace tessellix {

namespace {

constexpr std::uint64_t kNoLimit = ~std::uint64_t{0};

std::uint64_t Bit(int slot) {
    return std::uint64_t{1} << slot;
}

// a * b, or kNoLimit when that does not fit.
std::uint64_t SaturatingProduct(std::uint64_t a, std::uint64_t b) {
    return b != 0 && a > kNoLimit / b ? kNoLimit : a * b;
}

}  // namespace

BoardQuestions::BoardQuestions(const std::vector<int>& grid, int n, unsigned usedElements)
    : solver(grid, n, usedElements) {
    if (solver.Problem() == SolverProblem::None) {
        counter = std::make_unique<CompletionCounter>(solver);
    }
}

BoardQuestions::~BoardQuestions() = default;

std::uint64_t BoardQuestions::MaskOf(int element, const Placement& placement) const {
    if (element < 0 || element >= ElementSet::kCount || placement.rotation < 0 ||
        placement.rotation > 3 || placement.mirrored < 0 || placement.mirrored > 1) {
        return 0;
    }
    const ElementOrientation& o =
        OrientationTable::Standard().State(element, placement.rotation, placement.mirrored);
    std::uint64_t mask = 0;
    for (int k = 0; k < kElementCells; ++k) {
        const int slot = solver.Region().IndexOf(placement.row + o.cellRows[k],
                                                 placement.column + o.cellColumns[k]);
        if (slot < 0) {
            return 0;
        }
        mask |= Bit(slot);
    }
    return mask;
}

PlacedCheck BoardQuestions::Validate(const std::vector<PlacedElement>& placed) const {
    unsigned seen = 0;
    std::uint64_t covered = 0;
    for (const PlacedElement& p : placed) {
        const auto fault = [&](PlacedProblem problem) { return PlacedCheck{problem, p.element}; };
        if (p.element < 0 || p.element >= ElementSet::kCount ||
            (solver.UsedElements() & (1u << p.element)) == 0) {
            return fault(PlacedProblem::UnusedElement);
        }
        if ((seen & (1u << p.element)) != 0) {
            return fault(PlacedProblem::PlacedTwice);
        }
        seen |= 1u << p.element;
        const Placement& where = p.placement;
        if (where.rotation < 0 || where.rotation > 3 || where.mirrored < 0 || where.mirrored > 1) {
            return fault(PlacedProblem::BadOrientation);
        }
        const std::uint64_t mask = MaskOf(p.element, where);
        if (mask == 0) {
            return fault(PlacedProblem::OffThePuzzle);
        }
        if ((mask & covered) != 0) {
            return fault(PlacedProblem::Overlap);
        }
        covered |= mask;
    }
    return {};
}

BoardQuestions::Position BoardQuestions::PositionOf(
    const std::vector<PlacedElement>& placed) const {
    Position position{0, solver.UsedElements()};
    for (const PlacedElement& p : placed) {
        position.filled |= MaskOf(p.element, p.placement);
        position.free &= ~(1u << p.element);
    }
    return position;
}

bool BoardQuestions::IsBoard(const std::vector<PlacedElement>& placed) const {
    return counter && Validate(placed).problem == PlacedProblem::None;
}

bool BoardQuestions::Solvable() {
    if (!solvable) {
        solvable = counter && counter->Count({0, solver.UsedElements()}, 1) > 0;
    }
    return *solvable;
}

std::uint64_t BoardQuestions::Ways(const std::vector<PlacedElement>& placed, std::uint64_t cap) {
    const std::uint64_t limit = cap == 0 ? kNoLimit : cap + 1;
    if (!placed.empty()) {
        return counter->Count(PositionOf(placed), limit);
    }
    const bool exact = distinct && (distinct->second == 0 || distinct->first <= distinct->second);
    if (!exact && !(distinct && cap != 0 && cap <= distinct->second)) {
        // Covers up to symmetry number at least covers / |G|, so counting stops at cap |G| + 1.
        const std::uint64_t symmetries =
            std::max<std::size_t>(1, solver.Region().Symmetries().size());
        CountOptions options;
        options.maxTilings = cap == 0 ? 0 : SaturatingProduct(cap, symmetries) + 1;
        const CountResult result = solver.Count(options);
        distinct = {result.complete ? result.distinct : limit, cap};
    }
    return std::min(distinct->first, limit);
}

bool BoardQuestions::IsFinishable(const std::vector<PlacedElement>& placed) {
    if (!IsBoard(placed)) {
        return false;
    }
    return placed.empty() ? Solvable() : counter->Count(PositionOf(placed), 1) > 0;
}

std::uint64_t BoardQuestions::CountCompletions(const std::vector<PlacedElement>& placed,
                                               std::uint64_t cap) {
    if (!IsBoard(placed)) {
        return 0;
    }
    return Ways(placed, cap);
}

BoardCheck BoardQuestions::Check(const std::vector<PlacedElement>& placed, std::uint64_t cap) {
    BoardCheck check;
    if (!IsBoard(placed)) {
        return check;
    }
    check.ways = Ways(placed, cap);
    check.finishable = check.ways > 0;
    if (!check.finishable) {
        check.takeAway = TakeAway(placed);
    }
    return check;
}

// Sets of one, two, then three placed elements, the most recently placed tried first: the last
// moves are the likeliest mistakes and the cheapest to take back.
std::vector<int> BoardQuestions::TakeAway(const std::vector<PlacedElement>& placed) {
    if (placed.empty() || !Solvable()) {
        return {};
    }
    const int count = static_cast<int>(placed.size());
    std::vector<std::uint64_t> masks;
    for (const PlacedElement& p : placed) {
        masks.push_back(MaskOf(p.element, p.placement));
    }
    const Position whole = PositionOf(placed);
    std::vector<int> chosen;  // positions in placed, latest first
    const std::function<bool(int, int, Position)> tryFrom = [&](int size, int below,
                                                                Position position) {
        if (static_cast<int>(chosen.size()) == size) {
            return counter->Count(position, 1) > 0;
        }
        for (int at = below - 1; at >= 0; --at) {
            chosen.push_back(at);
            const Position without{position.filled & ~masks[at],
                                   position.free | (1u << placed[at].element)};
            if (tryFrom(size, at, without)) {
                return true;
            }
            chosen.pop_back();
        }
        return false;
    };
    for (int size = 1; size <= std::min(3, count); ++size) {
        chosen.clear();
        if (tryFrom(size, count, whole)) {
            std::sort(chosen.begin(), chosen.end());
            std::vector<int> elements;
            for (int at : chosen) {
                elements.push_back(placed[at].element);
            }
            return elements;
        }
    }
    return {placed.back().element};
}

std::optional<PlacedElement> BoardQuestions::StoredNext(
    const std::vector<PlacedElement>& placed,
    const std::array<Placement, kElementRecordCount>& stored, int slot) const {
    std::array<std::uint64_t, kElementRecordCount> masks{};
    std::uint64_t covered = 0;
    for (int element = 0; element < kElementRecordCount; ++element) {
        if ((solver.UsedElements() & (1u << element)) == 0) {
            continue;
        }
        masks[element] = stored[element].IsStored() ? MaskOf(element, stored[element]) : 0;
        if (masks[element] == 0 || (masks[element] & covered) != 0) {
            return std::nullopt;
        }
        covered |= masks[element];
    }
    if (covered != counter->Cells()) {
        return std::nullopt;
    }
    for (const PlacedElement& p : placed) {
        if (MaskOf(p.element, p.placement) != masks[p.element]) {
            return std::nullopt;
        }
    }
    for (int element = 0; element < kElementRecordCount; ++element) {
        if ((masks[element] & Bit(slot)) != 0) {
            return PlacedElement{element, stored[element]};
        }
    }
    return std::nullopt;
}

BoardHint BoardQuestions::HintFromHere(const std::vector<PlacedElement>& placed,
                                       const std::array<Placement, kElementRecordCount>& stored) {
    BoardHint hint;
    if (!IsFinishable(placed)) {
        if (IsBoard(placed)) {
            hint.takeAway = TakeAway(placed);
        }
        return hint;
    }
    hint.finishable = true;
    const Position position = PositionOf(placed);
    const std::uint64_t empty = counter->Cells() & ~position.filled;
    if (empty == 0) {
        return hint;
    }
    // Every cover puts one of the placements whose lowest slot is the first empty one there.
    const int first = std::countr_zero(empty);
    hint.next = StoredNext(placed, stored, first);
    for (const TilingSolver::PlacementInfo& info : solver.Placements()) {
        if (hint.next) {
            break;
        }
        const unsigned bit = 1u << info.element;
        if (std::countr_zero(info.mask) == first && (position.free & bit) != 0 &&
            (info.mask & ~empty) == 0 &&
            counter->Count({position.filled | info.mask, position.free & ~bit}, 1) > 0) {
            hint.next = PlacedElement{info.element, info.placement};
        }
    }
    return hint;
}

}  // namespace tessellix
