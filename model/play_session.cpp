#include "model/play_session.h"

#include <algorithm>

namespace tessellix {

PlaySession::PlaySession(PuzzleLibrary& owner)
    : library(owner),
      puzzle(CreateBuiltInPuzzle(elements)),
      libraryNonEmpty(owner.count() > 0),
      currentPuzzleIndex(StartPosition(owner)) {
    if (library.RecordAt(currentPuzzleIndex) != nullptr) {
        startProblem = SwitchToPuzzle(currentPuzzleIndex);
    }
}

const PuzzleRecord* PlaySession::CurrentRecord() const {
    return playsBuiltIn ? nullptr : library.RecordAt(currentPuzzleIndex);
}

std::optional<Failure> PlaySession::SwitchToPuzzle(int index) {
    const PuzzleRecord* record = library.RecordAt(index);
    if (record == nullptr) {
        return std::nullopt;
    }
    std::optional<Failure> failure = LoadPuzzle(library.PathOf(*record));
    if (!failure) {
        currentPuzzleIndex = index;
        playsBuiltIn = false;
    }
    return failure;
}

std::optional<Failure> PlaySession::LoadPuzzle(const std::string& path) {
    return LoadPuzzle(ReadPuzzleFile(path), path);
}

std::optional<Failure> PlaySession::LoadPuzzle(const PuzzleFileContents& contents,
                                               const std::string& path) {
    auto loaded = std::make_unique<PuzzleShape>();
    // A failed load leaves the elements' flags and stored solutions alone.
    if (std::optional<Failure> failure = loaded->Load(contents, path, elements)) {
        return failure;
    }
    puzzle = std::move(loaded);
    ClearHistory();
    hintUsed = false;
    // The new puzzle's cells are all free, so nothing is vacated.
    for (Element& element : elements) {
        element.SetPosition(element.homeX, element.homeY);
        element.ResetOrientation();
    }
    return std::nullopt;
}

void PlaySession::RecordRemoved(int position) {
    if (position < currentPuzzleIndex) {
        --currentPuzzleIndex;
    }
}

void PlaySession::RecordInserted(int position) {
    libraryNonEmpty = true;
    if (library.count() == 1) {
        currentPuzzleIndex = 0;
    } else if (position <= currentPuzzleIndex) {
        ++currentPuzzleIndex;
    }
}

int PlaySession::ElementAt(PixelPoint point, bool onCell) const {
    for (int i = 0; i < ElementSet::kCount; ++i) {
        if (elements[i].excluded == 0 && elements[i].HitTest(point, onCell) == elements[i].id) {
            return i;
        }
    }
    return -1;
}

void PlaySession::PickUp(int index) {
    if (!elements[index].IsAtHome()) {
        elements[index].Vacate(*puzzle);
    }
}

PlaySession::DropResult PlaySession::Drop(int index) {
    Element& element = elements[index];
    PixelPoint snapped;
    if (!element.FindSnap(*puzzle, snapped)) {
        element.SetPosition(element.homeX, element.homeY);
        return DropResult::WentHome;
    }
    element.SetPosition(snapped.x, snapped.y);
    element.Occupy(*puzzle);
    return IsSolved() ? DropResult::Solved : DropResult::Placed;
}

void PlaySession::SendHome(int index) {
    Element& element = elements[index];
    element.Vacate(*puzzle);
    element.SetPosition(element.homeX, element.homeY);
}

std::vector<int> PlaySession::ResetBoard() {
    std::vector<int> sent;
    for (int i = 0; i < ElementSet::kCount; ++i) {
        if (elements[i].excluded == 0 && !elements[i].IsAtHome()) {
            SendHome(i);
            sent.push_back(i);
        }
    }
    return sent;
}

bool PlaySession::HasStoredPlacement() const {
    return std::any_of(elements.begin(), elements.end(),
                       [](const Element& e) { return e.StoredSolution().IsStored(); });
}

bool PlaySession::HasCompleteSolution() const {
    return std::all_of(elements.begin(), elements.end(), [](const Element& e) {
        return e.excluded != 0 || e.StoredSolution().IsStored();
    });
}

bool PlaySession::PlaceAtSolution(int index) {
    Element& element = elements[index];
    element.TurnToSolution();
    // A place off the puzzle or on a covered cell comes only from a damaged file; such an
    // element stays home, so that the cells under every placed element stay its own.
    if (!element.FitsAt(*puzzle, element.solutionColumn, element.solutionRow)) {
        return false;
    }
    element.SetPosition(puzzle->x + element.solutionColumn * kCellSize,
                        puzzle->y + element.solutionRow * kCellSize);
    element.Occupy(*puzzle);
    return true;
}

std::array<ElementRecord, kElementRecordCount> PlaySession::SolutionRecords() const {
    std::array<ElementRecord, kElementRecordCount> records;
    for (int i = 0; i < ElementSet::kCount; ++i) {
        const Element& element = elements[i];
        if (element.excluded != 0) {
            records[i] = {false, false, {0, 0, 0, 0}};
            continue;
        }
        // Truncating toward zero, as the grid position of a placed element always divides.
        records[i] = {true,
                      true,
                      {element.rotation, element.mirrored, (element.x - puzzle->x) / kCellSize,
                       (element.y - puzzle->y) / kCellSize}};
    }
    return records;
}

void PlaySession::KeepSolution(const std::array<ElementRecord, kElementRecordCount>& records) {
    for (int i = 0; i < ElementSet::kCount; ++i) {
        if (elements[i].excluded == 0) {
            elements[i].SetStoredSolution(records[i].placement);
        }
    }
}

void PlaySession::TurnHeld(int index, TransformKind kind, std::optional<PixelPoint> pivot) {
    Element& element = elements[index];
    const PixelPoint corner{element.x, element.y};
    const PixelPoint at = pivot.value_or(corner);
    const int row = (at.y - corner.y) / kCellSize;
    const int column = (at.x - corner.x) / kCellSize;
    // Where a cell of the n x n matrix goes, before the turned cells are packed into the corner.
    const int n = element.side;
    const auto turned = [&](int r, int c) -> std::pair<int, int> {
        switch (kind) {
            case TurnClockwise:
                return {c, n - 1 - r};
            case TurnCounterClockwise:
                return {n - 1 - c, r};
            default:
                return {r, n - 1 - c};
        }
    };
    int leastRow = n;
    int leastColumn = n;
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            if (element.Cell(r, c) != 0) {
                const auto [tr, tc] = turned(r, c);
                leastRow = std::min(leastRow, tr);
                leastColumn = std::min(leastColumn, tc);
            }
        }
    }
    const auto [newRow, newColumn] = turned(row, column);
    element.SetPosition(element.homeX, element.homeY);
    element.Transform(kind);
    if (!pivot) {
        element.SetPosition(corner.x, corner.y);
        return;
    }
    element.SetPosition(
        at.x - (at.x - corner.x - column * kCellSize) - (newColumn - leastColumn) * kCellSize,
        at.y - (at.y - corner.y - row * kCellSize) - (newRow - leastRow) * kCellSize);
}

BoardState PlaySession::State() const {
    BoardState state;
    for (int i = 0; i < ElementSet::kCount; ++i) {
        const Element& element = elements[i];
        state[i] = {element.x, element.y, element.rotation, element.mirrored};
    }
    return state;
}

bool PlaySession::RecordMove(const BoardState& before) {
    const BoardState after = State();
    if (after == before) {
        return false;
    }
    undoable.push_back({before, after});
    redoable.clear();
    return true;
}

bool PlaySession::Undo() {
    if (undoable.empty()) {
        return false;
    }
    redoable.push_back(undoable.back());
    undoable.pop_back();
    Restore(redoable.back().before);
    return true;
}

bool PlaySession::Redo() {
    if (redoable.empty()) {
        return false;
    }
    undoable.push_back(redoable.back());
    redoable.pop_back();
    Restore(undoable.back().after);
    return true;
}

void PlaySession::ClearHistory() {
    undoable.clear();
    redoable.clear();
}

void PlaySession::Restore(const BoardState& state) {
    for (Element& element : elements) {
        if (element.excluded == 0 && !element.IsAtHome()) {
            element.Vacate(*puzzle);
        }
    }
    for (int i = 0; i < ElementSet::kCount; ++i) {
        Element& element = elements[i];
        // Turns are made at home, where the element's home for its new orientation is known.
        element.SetPosition(element.homeX, element.homeY);
        element.TurnTo(state[i].rotation, state[i].mirrored);
        element.SetPosition(state[i].x, state[i].y);
        if (element.excluded == 0 && !element.IsAtHome()) {
            element.Occupy(*puzzle);
        }
    }
}

}  // namespace tessellix
