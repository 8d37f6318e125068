#include "model/board_names.h"

#include <algorithm>
#include <string>

#include "model/hand.h"
#include "model/play_session.h"
#include "model/puzzle_shape.h"

namespace tessellix {

namespace {

// Division rounding towards negative infinity, for elements left of or above the puzzle.
int FloorDivide(int value, int divisor) {
    return value / divisor - (value % divisor != 0 && (value < 0) != (divisor < 0) ? 1 : 0);
}

std::string Letter(int element) {
    return std::string(1, kElementLetters[element]);
}

// The places joined by "; ".
BilingualText PlaceList(const std::vector<BoardPlace>& list) {
    BilingualText text;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i > 0) {
            text.Add("; ");
        }
        text.Add(PlaceText(list[i]));
    }
    return text;
}

}  // namespace

BoardNames::BoardNames(const PlaySession& session)
    : BoardNames(session.Puzzle(), session.Elements(), session.PlayerHand()) {}

BoardNames::BoardNames(const PuzzleShape& shape, const ElementSet& set, const Hand& hand)
    : puzzle(shape),
      elements(set),
      held(hand.held),
      heldByKeys(hand.HeldByKeys()),
      places(shape.cells, shape.side) {
    for (const Element& element : elements) {
        if (element.excluded != 0) {
            continue;
        }
        used.push_back(element.id);
        if (element.IsAtHome() || element.id == held) {
            continue;
        }
        for (const GridCell cell : CellsUnder(element.id)) {
            covered.emplace_back(cell, kElementLetters[element.id]);
        }
    }
}

int BoardNames::FreeCells() const {
    return static_cast<int>(std::count(puzzle.cells.begin(), puzzle.cells.end(), 1));
}

std::vector<GridCell> BoardNames::CellsUnder(int index) const {
    const Element& element = elements[index];
    // A pointer may hold it between grid points: it counts as over the nearest.
    const int left = FloorDivide(element.x - puzzle.x + kCellSize / 2, kCellSize);
    const int top = FloorDivide(element.y - puzzle.y + kCellSize / 2, kCellSize);
    std::vector<GridCell> cells;
    for (int j = 0; j < element.height / kCellSize; ++j) {
        for (int i = 0; i < element.width / kCellSize; ++i) {
            if (element.Cell(j, i) != 0) {
                cells.push_back({left + i, top + j});
            }
        }
    }
    return cells;
}

BilingualText BoardNames::BoardDescription() const {
    return BilingualText(puzzle.names).Add(": ").Add(FreeCellsText(FreeCells()));
}

BilingualText BoardNames::CellName(BoardPlace place) const {
    BilingualText name = PlaceText(place);
    const GridCell cell = places.CellAt(place);
    const int value = puzzle.Cell(cell.row, cell.column);
    if (value == 0) {
        return name.Say(": вне задания", ": outside");
    }
    const auto on = std::find_if(covered.begin(), covered.end(),
                                 [cell](const auto& entry) { return entry.first == cell; });
    if (value == 1 || on == covered.end()) {
        return name.Say(": свободна", ": free");
    }
    return name.Add(": ").Add(std::string(1, on->second));
}

BilingualText BoardNames::ElementName(int element) const {
    BilingualText name = BilingualText::Both(Letter(element));
    if (element == held) {
        return heldByKeys ? HeldOverName(element) : name.Say(": в руке", ": held");
    }
    if (elements[element].IsAtHome()) {
        return name.Say(": на исходной позиции", ": at home");
    }
    return name.Say(": уложен", ": placed");
}

BilingualText BoardNames::ElementDescription(int index) const {
    std::vector<BoardPlace> list;
    const Element& element = elements[index];
    if (element.IsAtHome() && index != held) {
        for (int j = 0; j < element.height / kCellSize; ++j) {
            for (int i = 0; i < element.width / kCellSize; ++i) {
                if (element.Cell(j, i) != 0) {
                    list.push_back({j + 1, i + 1});
                }
            }
        }
        return PlaceList(list);
    }
    for (const GridCell cell : CellsUnder(index)) {
        if (const std::optional<BoardPlace> place = places.PlaceOf(cell)) {
            list.push_back(*place);
        }
    }
    return PlaceList(list);
}

BilingualText BoardNames::HeldOverName(int index) const {
    BilingualText name = BilingualText::Both(Letter(index));
    std::optional<BoardPlace> first;
    bool fits = true;
    for (const GridCell cell : CellsUnder(index)) {
        const std::optional<BoardPlace> place = places.PlaceOf(cell);
        if (!first) {
            first = place;
        }
        // Partly off the rectangle, over a gap in the puzzle or over a covered cell.
        fits = fits && place && puzzle.Cell(cell.row, cell.column) == 1;
    }
    if (!first) {
        return name.Say(" вне доски", " outside the board");
    }
    const std::string row = std::to_string(first->row);
    const std::string column = std::to_string(first->column);
    name.Say(" над рядом " + row + ", столбцом " + column,
             " over row " + row + ", column " + column);
    return fits ? name.Say(": помещается", ": fits")
                : name.Say(": не помещается", ": does not fit");
}

BilingualText BoardNames::Spoken(const InputOutcome& outcome) {
    BilingualText spoken;
    for (const InputOutcome::Change& change : outcome.changes) {
        BilingualText sentence;
        if (change.kind == InputOutcome::Kind::Placed) {
            sentence = Placed(change.element);
        } else if (change.kind == InputOutcome::Kind::WentHome) {
            sentence = WentHome(change.element);
        } else if (change.kind == InputOutcome::Kind::SentHome) {
            sentence = SentHome(change.element);
        } else {
            continue;
        }
        spoken.Add(spoken.IsEmpty() ? "" : ". ").Add(sentence);
    }
    if (outcome.solved) {
        spoken.Add(spoken.IsEmpty() ? "" : ". ").Add(Solved());
    }
    return spoken;
}

BilingualText BoardNames::Placed(int element) {
    return BilingualText::Both(Letter(element)).Say(" уложен", " placed");
}

BilingualText BoardNames::WentHome(int element) {
    return BilingualText::Both(Letter(element))
        .Say(" здесь не помещается: на исходную позицию", " does not fit there: back home");
}

BilingualText BoardNames::SentHome(int element) {
    return BilingualText::Both(Letter(element)).Say(" на исходной позиции", " back home");
}

BilingualText BoardNames::HintPlaced(int element) {
    return BilingualText("Подсказка: ", "Hint: ").Add(Placed(element));
}

BilingualText BoardNames::Undone() const {
    return BilingualText("Ход отменён, ", "Move undone, ").Add(FreeCellsText(FreeCells()));
}

BilingualText BoardNames::Redone() const {
    return BilingualText("Ход повторён, ", "Move redone, ").Add(FreeCellsText(FreeCells()));
}

BilingualText BoardNames::BoardReset() {
    return {"Все элементы на исходных позициях", "All elements back home"};
}

BilingualText BoardNames::Solved() {
    return {"Решено", "Solved"};
}

BilingualText BoardNames::FreeCellsText(int count) {
    const std::string number = std::to_string(count);
    const auto russian = static_cast<unsigned long long>(count);
    return {
        number + " " +
            RussianCountForm(russian, "свободная клетка", "свободные клетки", "свободных клеток"),
        number + (count == 1 ? " free cell" : " free cells")};
}

}  // namespace tessellix
