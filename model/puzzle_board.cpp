#include "model/puzzle_board.h"

#include <algorithm>

namespace tessellix {

PuzzleBoard::PuzzleBoard() : puzzle(CreateBuiltInPuzzle(elements)) {}

std::optional<Failure> PuzzleBoard::Load(const PuzzleFileContents& contents,
                                         const std::string& path) {
    // A failed load leaves the elements' flags and stored solutions alone.
    const Result<LoadedPuzzle> loaded = LoadPuzzle(contents, path, SignatureCheck::Skipped);
    if (!loaded) {
        return loaded.Error();
    }
    Load(*loaded);
    return std::nullopt;
}

void PuzzleBoard::Load(const LoadedPuzzle& loaded) {
    auto shape = std::make_unique<PuzzleShape>();
    shape->Load(loaded, elements);
    puzzle = std::move(shape);
    placedAt = {};
    placedOrder.clear();
    // The new puzzle's cells are all free, so nothing is vacated.
    for (Element& element : elements) {
        element.GoHome();
        element.ResetOrientation();
    }
}

BoardState PuzzleBoard::State() const {
    BoardState state;
    for (int i = 0; i < ElementSet::kCount; ++i) {
        state[i] = {elements[i].orientation, placedAt[i]};
    }
    return state;
}

PixelPoint PuzzleBoard::CellCorner(GridCell cell) const {
    return {puzzle->x + cell.column * kCellSize, puzzle->y + cell.row * kCellSize};
}

void PuzzleBoard::Place(int index, GridCell cell) {
    Element& element = elements[index];
    const PixelPoint corner = CellCorner(cell);
    element.SetPosition(corner.x, corner.y);
    element.Occupy(*puzzle);
    placedAt[index] = cell;
    placedOrder.push_back(index);
}

void PuzzleBoard::Unplace(int index) {
    if (placedAt[index]) {
        elements[index].Vacate(*puzzle);
        placedAt[index].reset();
        placedOrder.erase(std::find(placedOrder.begin(), placedOrder.end(), index));
    }
}

void PuzzleBoard::SendPlacedHome() {
    for (int i = 0; i < ElementSet::kCount; ++i) {
        if (placedAt[i]) {
            Unplace(i);
            elements[i].GoHome();
        }
    }
}

void PuzzleBoard::Restore(const BoardState& state) {
    std::vector<int> order;
    for (const int index : placedOrder) {
        if (state[index].placed) {
            order.push_back(index);
        }
    }
    for (int i = 0; i < ElementSet::kCount; ++i) {
        if (state[i].placed && std::find(order.begin(), order.end(), i) == order.end()) {
            order.push_back(i);
        }
    }
    for (int i = 0; i < ElementSet::kCount; ++i) {
        Unplace(i);
        elements[i].SetOrientation(state[i].orientation);
        elements[i].GoHome();
    }
    for (const int index : order) {
        Place(index, *state[index].placed);
    }
}

bool PuzzleBoard::HasStoredPlacement() const {
    return std::any_of(elements.begin(), elements.end(),
                       [](const Element& e) { return e.StoredSolution().IsStored(); });
}

bool PuzzleBoard::HasCompleteSolution() const {
    return std::all_of(elements.begin(), elements.end(), [](const Element& e) {
        return e.excluded != 0 || e.StoredSolution().IsStored();
    });
}

bool PuzzleBoard::PlaceAtSolution(int index) {
    Element& element = elements[index];
    element.TurnToSolution();
    // A place off the puzzle or on a covered cell comes only from a damaged file; such an
    // element stays home, so that the cells under every placed element stay its own.
    if (!element.IsAtHome() ||
        !element.FitsAt(*puzzle, element.solutionColumn, element.solutionRow)) {
        return false;
    }
    Place(index, {element.solutionColumn, element.solutionRow});
    return true;
}

std::array<ElementRecord, kElementRecordCount> PuzzleBoard::SolutionRecords() const {
    std::array<ElementRecord, kElementRecordCount> records;
    for (int i = 0; i < ElementSet::kCount; ++i) {
        const Element& element = elements[i];
        if (element.excluded != 0) {
            records[i] = {false, false, {0, 0, 0, 0}};
            continue;
        }
        const GridCell cell = placedAt[i].value_or(GridCell{});
        records[i] = {true, true, {element.Rotation(), element.Mirrored(), cell.column, cell.row}};
    }
    return records;
}

void PuzzleBoard::KeepSolution(const std::array<ElementRecord, kElementRecordCount>& records) {
    for (int i = 0; i < ElementSet::kCount; ++i) {
        if (elements[i].excluded == 0) {
            elements[i].SetStoredSolution(records[i].placement);
        }
    }
}

namespace {

Failure DoesNotFit(int element) {
    return Failure(BilingualText()
                       .Say("Элемент ", "The kept board's ")
                       .Add(std::string(1, kElementLetters[element]))
                       .Say(" сохранённой доски не помещается на это задание.",
                            " does not fit on this puzzle where it was."));
}

}  // namespace

std::vector<KeptBoard::Placed> PuzzleBoard::KeptPlacements() const {
    std::vector<KeptBoard::Placed> placed;
    for (const int index : placedOrder) {
        placed.push_back({index, Elements()[index].orientation, *PlacedAt(index)});
    }
    return placed;
}

std::optional<Failure> PuzzleBoard::PlaceKept(const std::vector<KeptBoard::Placed>& placed) {
    for (const KeptBoard::Placed& kept : placed) {
        Element& element = Elements()[kept.element];
        element.TurnTo(kept.orientation);
        if (element.excluded != 0 || PlacedAt(kept.element) ||
            !element.FitsAt(Puzzle(), kept.cell.column, kept.cell.row)) {
            Restore(BoardState{});
            return DoesNotFit(kept.element);
        }
        Place(kept.element, kept.cell);
    }
    return std::nullopt;
}

}  // namespace tessellix
