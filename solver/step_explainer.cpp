#include "solver/step_explainer.h"

#include <algorithm>
#include <bit>

#include "model/element_set.h"
#include "model/orientation_table.h"

namespace tessellix {

namespace {

std::uint64_t Bit(int slot) {
    return std::uint64_t{1} << slot;
}

}  // namespace

// The possible placements of one position, counted per cell and per element.
struct StepExplainer::Analysis {
    std::vector<int> possible;  // indices into the solver's placements
    std::array<int, 64> cellCount{};
    std::array<int, 64> cellPlacement{};
    std::array<int, ElementSet::kCount> elementCount{};
    std::array<int, ElementSet::kCount> elementPlacement{};
};

StepExplainer::StepExplainer(BoardQuestions& questions) : questions(questions) {
    // A puzzle with a problem may have more cells than a mask holds; it has no step anyway.
    if (questions.Problem() != SolverProblem::None) {
        return;
    }
    const SolverRegion& region = questions.Solver().Region();
    neighbours.assign(region.SlotCount(), 0);
    cellOf.assign(region.SlotCount(), {});
    for (int row = 0; row < region.Rows(); ++row) {
        for (int column = 0; column < region.Columns(); ++column) {
            const int slot = region.IndexOf(row, column);
            if (slot < 0) {
                continue;
            }
            cellOf[slot] = {column, row};
            readingOrder.push_back(slot);
            cells |= Bit(slot);
            for (int neighbour : region.Neighbours(slot)) {
                if (neighbour >= 0) {
                    neighbours[slot] |= Bit(neighbour);
                }
            }
        }
    }
}

std::uint64_t StepExplainer::MaskOf(const PlacedElement& placed) const {
    const ElementOrientation& o = OrientationTable::Standard().State(
        placed.element, placed.placement.rotation, placed.placement.mirrored);
    std::uint64_t mask = 0;
    for (int k = 0; k < kElementCells; ++k) {
        mask |= Bit(questions.Solver().Region().IndexOf(
            placed.placement.row + o.cellRows[k], placed.placement.column + o.cellColumns[k]));
    }
    return mask;
}

std::vector<GridCell> StepExplainer::CellsOf(std::uint64_t mask) const {
    std::vector<GridCell> found;
    for (int slot : readingOrder) {
        if ((mask & Bit(slot)) != 0) {
            found.push_back(cellOf[slot]);
        }
    }
    return found;
}

// The deduction solver's pocket rule: an area of one to four empty cells left beside the
// placement.
bool StepExplainer::WallsOffPocket(std::uint64_t mask, std::uint64_t empty) const {
    const std::uint64_t rest = empty & ~mask;
    std::uint64_t around = 0;
    for (std::uint64_t m = mask; m != 0; m &= m - 1) {
        around |= neighbours[std::countr_zero(m)];
    }
    std::uint64_t seen = 0;
    for (std::uint64_t open = around & rest; open != 0; open &= open - 1) {
        const std::uint64_t start = open & -open;
        if ((seen & start) != 0) {
            continue;
        }
        std::uint64_t area = start;
        while (std::popcount(area) < kElementCells) {
            std::uint64_t grown = area;
            for (std::uint64_t a = area; a != 0; a &= a - 1) {
                grown |= neighbours[std::countr_zero(a)] & rest;
            }
            if (grown == area) {
                return true;
            }
            area = grown;
        }
        seen |= area;
    }
    return false;
}

StepExplainer::Analysis StepExplainer::Analyse(std::uint64_t empty, unsigned freeElements) const {
    Analysis analysis;
    const auto& placements = questions.Solver().Placements();
    for (int index = 0; index < static_cast<int>(placements.size()); ++index) {
        const TilingSolver::PlacementInfo& info = placements[index];
        if ((freeElements & (1u << info.element)) == 0 || (info.mask & ~empty) != 0 ||
            WallsOffPocket(info.mask, empty)) {
            continue;
        }
        analysis.possible.push_back(index);
        ++analysis.elementCount[info.element];
        analysis.elementPlacement[info.element] = index;
        for (std::uint64_t m = info.mask; m != 0; m &= m - 1) {
            const int slot = std::countr_zero(m);
            ++analysis.cellCount[slot];
            analysis.cellPlacement[slot] = index;
        }
    }
    return analysis;
}

ExplainedStep StepExplainer::Unfinishable(const std::vector<PlacedElement>& placed,
                                          std::uint64_t empty, unsigned freeElements) {
    ExplainedStep step;
    step.takeAway = questions.Check(placed, 1).takeAway;
    // The smallest such region: a pocket says more than the rest of the board around it.
    std::uint64_t shown = 0;
    std::uint64_t left = empty;
    for (int start : readingOrder) {
        if ((left & Bit(start)) == 0) {
            continue;
        }
        std::uint64_t area = Bit(start);
        for (std::uint64_t front = area; front != 0;) {
            std::uint64_t around = 0;
            for (; front != 0; front &= front - 1) {
                around |= neighbours[std::countr_zero(front)];
            }
            front = around & left & ~area;
            area |= front;
        }
        left &= ~area;
        const bool fits = std::any_of(
            questions.Solver().Placements().begin(), questions.Solver().Placements().end(),
            [&](const TilingSolver::PlacementInfo& info) {
                return (freeElements & (1u << info.element)) != 0 && (info.mask & ~area) == 0;
            });
        if ((std::popcount(area) % kElementCells != 0 || !fits) &&
            (shown == 0 || std::popcount(area) < std::popcount(shown))) {
            shown = area;
        }
    }
    if (shown != 0) {
        step.kind = StepKind::Region;
        step.cells = CellsOf(shown);
        return step;
    }
    step.kind = StepKind::Blocked;
    return step;
}

std::optional<ExplainedStep> StepExplainer::Explain(const std::vector<PlacedElement>& placed) {
    if (questions.Problem() != SolverProblem::None ||
        questions.Validate(placed).problem != PlacedProblem::None) {
        return ExplainedStep{};
    }
    unsigned freeElements = questions.Solver().UsedElements();
    std::uint64_t empty = cells;
    for (const PlacedElement& p : placed) {
        freeElements &= ~(1u << p.element);
        empty &= ~MaskOf(p);
    }
    if (freeElements == 0) {
        return std::nullopt;
    }
    if (!questions.IsFinishable(placed)) {
        return Unfinishable(placed, empty, freeElements);
    }
    const Analysis analysis = Analyse(empty, freeElements);
    const auto& placements = questions.Solver().Placements();
    const auto forced = [&](StepKind kind, int index) {
        const TilingSolver::PlacementInfo& info = placements[index];
        ExplainedStep step;
        step.kind = kind;
        step.placement = PlacedElement{info.element, info.placement};
        step.placementCells = CellsOf(info.mask);
        return step;
    };
    for (int slot : readingOrder) {
        if ((empty & Bit(slot)) != 0 && analysis.cellCount[slot] == 1) {
            ExplainedStep step = forced(StepKind::Cell, analysis.cellPlacement[slot]);
            step.cells = {cellOf[slot]};
            return step;
        }
    }
    for (int element = 0; element < ElementSet::kCount; ++element) {
        if ((freeElements & (1u << element)) != 0 && analysis.elementCount[element] == 1) {
            return forced(StepKind::Element, analysis.elementPlacement[element]);
        }
    }
    int fewest = -1;
    for (int slot : readingOrder) {
        if ((empty & Bit(slot)) != 0 &&
            (fewest < 0 || analysis.cellCount[slot] < analysis.cellCount[fewest])) {
            fewest = slot;
        }
    }
    ExplainedStep step;
    step.kind = StepKind::Guess;
    step.cells = {cellOf[fewest]};
    step.ways = analysis.cellCount[fewest];
    unsigned elements = 0;
    for (int index : analysis.possible) {
        if ((placements[index].mask & Bit(fewest)) != 0) {
            elements |= 1u << placements[index].element;
        }
    }
    for (; elements != 0; elements &= elements - 1) {
        step.wayElements.push_back(std::countr_zero(elements));
    }
    return step;
}

PlacedElement StepExplainer::Option(const std::vector<PlacedElement>& placed, GridCell cell,
                                    const std::array<Placement, kElementRecordCount>& stored) {
    const int slot = questions.Solver().Region().IndexOf(cell.row, cell.column);
    // The stored solution, when it is whole and every placed element lies where it has it.
    std::vector<PlacedElement> whole;
    for (int element = 0; element < kElementRecordCount; ++element) {
        if ((questions.Solver().UsedElements() & (1u << element)) != 0 &&
            stored[element].IsStored()) {
            whole.push_back({element, stored[element]});
        }
    }
    const bool storedAgrees =
        std::popcount(questions.Solver().UsedElements()) == static_cast<int>(whole.size()) &&
        questions.Validate(whole).problem == PlacedProblem::None &&
        std::all_of(placed.begin(), placed.end(), [&](const PlacedElement& p) {
            return MaskOf(p) == MaskOf({p.element, stored[p.element]});
        });
    if (storedAgrees) {
        for (const PlacedElement& p : whole) {
            if ((MaskOf(p) & Bit(slot)) != 0) {
                return p;
            }
        }
    }
    unsigned freeElements = questions.Solver().UsedElements();
    std::uint64_t empty = cells;
    for (const PlacedElement& p : placed) {
        freeElements &= ~(1u << p.element);
        empty &= ~MaskOf(p);
    }
    const auto& placements = questions.Solver().Placements();
    std::vector<PlacedElement> tried = placed;
    std::optional<PlacedElement> first;
    for (int index : Analyse(empty, freeElements).possible) {
        const TilingSolver::PlacementInfo& info = placements[index];
        if ((info.mask & Bit(slot)) == 0) {
            continue;
        }
        tried.push_back({info.element, info.placement});
        if (questions.IsFinishable(tried)) {
            return tried.back();
        }
        first = first.value_or(tried.back());
        tried.pop_back();
    }
    // A guess is only named on a board that can be finished, so some option has a cover and
    // this is never reached.
    return first.value_or(PlacedElement{});
}

std::vector<ExplainedStep> StepExplainer::SolutionPath(
    const std::array<Placement, kElementRecordCount>& stored) {
    std::vector<ExplainedStep> path;
    std::vector<PlacedElement> placed;
    while (std::optional<ExplainedStep> step = Explain(placed)) {
        if (step->kind == StepKind::Region || step->kind == StepKind::Blocked) {
            path.push_back(std::move(*step));
            break;
        }
        if (step->kind == StepKind::Guess) {
            step->placement = Option(placed, step->cells.front(), stored);
            step->placementCells = CellsOf(MaskOf(*step->placement));
        }
        placed.push_back(*step->placement);
        path.push_back(std::move(*step));
    }
    return path;
}

PathSummary SummaryOf(const std::vector<ExplainedStep>& path) {
    PathSummary summary;
    for (const ExplainedStep& step : path) {
        if (step.kind == StepKind::Cell || step.kind == StepKind::Element) {
            ++summary.forcedSteps;
            summary.forcedBefore += summary.guesses == 0 ? 1 : 0;
        } else if (step.kind == StepKind::Guess) {
            summary.firstGuessWays = summary.guesses == 0 ? step.ways : summary.firstGuessWays;
            ++summary.guesses;
        }
    }
    summary.reachesCover = !path.empty() && path.back().kind != StepKind::Region &&
                           path.back().kind != StepKind::Blocked;
    return summary;
}

PathSummary PuzzlePathSummary(const PuzzleFileData& data) {
    BoardQuestions questions(data.grid, kGridSide, UsedElementMask(data.elements));
    if (questions.Problem() != SolverProblem::None) {
        return {};
    }
    std::array<Placement, kElementRecordCount> stored;
    for (int element = 0; element < kElementRecordCount; ++element) {
        if (data.elements[element].placed) {
            stored[element] = data.elements[element].placement;
        }
    }
    return SummaryOf(StepExplainer(questions).SolutionPath(stored));
}

}  // namespace tessellix
