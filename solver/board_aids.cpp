#include "solver/board_aids.h"

namespace tessellix {

BilingualText BoardCheckText(const BoardCheck& check) {
    if (check.finishable) {
        const std::uint64_t ways = check.ways;
        const bool beyond = ways > kWaysCap;
        const std::string count = (beyond ? "" : std::to_string(ways));
        // The Russian instrumental: 1, 21, 31 ... take the singular.
        const bool one = !beyond && ways % 10 == 1 && ways % 100 != 11;
        return BilingualText()
            .Say("Доску ещё можно заполнить ", "The board can still be finished in ")
            .Say(beyond ? "более чем " + std::to_string(kWaysCap) : count,
                 beyond ? "more than " + std::to_string(kWaysCap) : count)
            .Say(one ? " способом" : " способами", ways == 1 ? " way" : " ways");
    }
    if (check.takeAway.empty()) {
        return {"Доску не заполнить: у задания нет решения.",
                "The board cannot be finished: the puzzle has no solution."};
    }
    std::string letters;
    for (const int element : check.takeAway) {
        letters += (letters.empty() ? "" : ", ") + std::string(1, kElementLetters[element]);
    }
    return BilingualText()
        .Say("Доску уже не заполнить. Уберите: ", "The board cannot be finished. Take away: ")
        .Add(letters + ".");
}

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
    const BoardState state = session.State();
    std::vector<PlacedElement> placed;
    for (const int index : session.PlacedInOrder()) {
        const int orientation = state[index].orientation;
        placed.push_back({index,
                          {RotationOf(orientation), MirroredOf(orientation),
                           state[index].placed->column, state[index].placed->row}});
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

void BoardAids::MarkIfMistake() {
    const int dropped = session.LastPlaced();
    if (dropped >= 0 && !Questions().IsFinishable(Placed())) {
        session.Mark({dropped});
    }
}

}  // namespace tessellix
