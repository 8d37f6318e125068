#include "play/board_aids.h"

namespace tessellix {

BoardQuestions& BoardAids::Questions() {
    const PuzzleShape& puzzle = session.Puzzle();
    std::vector<int> cells = puzzle.cells;
    unsigned used = 0;
    for (const Element& element : session.Elements()) {
        used |= element.excluded == 0 ? 1u << element.id : 0u;
    }
    // Covered cells are cells of the puzzle all the same.
    for (int& cell : cells) {
        cell = cell != 0 ? 1 : 0;
    }
    if (!questions || cells != askedCells || used != askedElements) {
        questions = std::make_unique<BoardQuestions>(cells, puzzle.side, used);
        askedCells = std::move(cells);
        askedElements = used;
    }
    return *questions;
}

std::vector<PlacedElement> BoardAids::Placed() const {
    // A placed element's record holds its orientation and its cell, as the solver reads them.
    const auto records = session.SolutionRecords();
    std::vector<PlacedElement> placed;
    for (const int index : session.PlacedInOrder()) {
        placed.push_back({index, records[index].placement});
    }
    return placed;
}

BoardCheck BoardAids::Check() {
    const BoardCheck check = Questions().Check(Placed());
    session.Mark(check.takeAway);
    return check;
}

BoardHint BoardAids::HintFromHere() {
    std::array<Placement, kElementRecordCount> stored;
    for (const Element& element : session.Elements()) {
        stored[element.id] = element.StoredSolution();
    }
    const BoardHint hint = Questions().HintFromHere(Placed(), stored);
    if (!hint.finishable) {
        session.Mark(hint.takeAway);
    } else if (hint.next) {
        const Placement& place = hint.next->placement;
        session.PlaceHint(hint.next->element, place.Orientation(), {place.column, place.row});
    }
    return hint;
}

std::optional<ExplainedStep> BoardAids::Explain() {
    const std::optional<ExplainedStep> step = StepExplainer(Questions()).Explain(Placed());
    if (!step) {
        return step;
    }
    session.Mark(step->takeAway);
    StepMarks marks;
    if (step->kind != StepKind::Element) {
        marks.framed = step->cells;
    }
    if (step->kind == StepKind::Cell || step->kind == StepKind::Element) {
        marks.outlined = step->placementCells;
    }
    session.MarkStep(std::move(marks));
    return step;
}

void BoardAids::MarkIfMistake() {
    const int dropped = session.LastPlaced();
    if (dropped >= 0 && !Questions().IsFinishable(Placed())) {
        session.Mark({dropped});
    }
}

}  // namespace tessellix
