#include "model/play_session.h"

#include <algorithm>
#include <sstream>
#include <string_view>

#include "model/orientation_table.h"

namespace tessellix {

namespace {

// One notch of a common mouse wheel, in eighths of a degree.
constexpr int kWheelNotch = 120;

}  // namespace

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
    hand = {};
    placedAt = {};
    placedOrder.clear();
    marked.clear();
    lastPlaced = -1;
    stepStart.reset();
    ClearHistory();
    hintUsed = false;
    clock.Restart();
    // The new puzzle's cells are all free, so nothing is vacated.
    for (Element& element : elements) {
        element.GoHome();
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
        const bool carried = i == hand.held && !elements[i].IsAtHome();
        if (!carried && elements[i].excluded == 0 &&
            elements[i].HitTest(point, onCell) == elements[i].id) {
            return i;
        }
    }
    return -1;
}

PixelPoint PlaySession::CellCorner(GridCell cell) const {
    return {puzzle->x + cell.column * kCellSize, puzzle->y + cell.row * kCellSize};
}

void PlaySession::Place(int index, GridCell cell) {
    Element& element = elements[index];
    const PixelPoint corner = CellCorner(cell);
    element.SetPosition(corner.x, corner.y);
    element.Occupy(*puzzle);
    placedAt[index] = cell;
    placedOrder.push_back(index);
}

void PlaySession::Unplace(int index) {
    if (placedAt[index]) {
        elements[index].Vacate(*puzzle);
        placedAt[index].reset();
        placedOrder.erase(std::find(placedOrder.begin(), placedOrder.end(), index));
    }
}

void PlaySession::Lift(int index, std::optional<PixelPoint> pointer) {
    Element& element = elements[index];
    if (Holding() || element.excluded != 0) {
        return;
    }
    OpenStep();
    Unplace(index);
    hand.held = index;
    hand.byMouse = pointer.has_value();
    hand.corner = {element.x, element.y};
    hand.grab = pointer ? PixelPoint{pointer->x - element.x, pointer->y - element.y} : PixelPoint{};
    hand.wheelRest = 0;
}

void PlaySession::MoveHeldTo(PixelPoint pointer) {
    if (!hand.byMouse || !Holding()) {
        return;
    }
    hand.corner = {pointer.x - hand.grab.x, pointer.y - hand.grab.y};
    elements[hand.held].SetPosition(hand.corner.x, hand.corner.y);
}

void PlaySession::TurnHeld(TransformKind kind) {
    if (!Holding()) {
        return;
    }
    Element& element = elements[hand.held];
    if (const std::optional<GridCell> pivot = hand.PointerCell()) {
        // The cell under the pointer stays under it, and so does the pointer's place in it.
        const GridCell after = element.CellAfter(kind, *pivot);
        const PixelPoint shift{(pivot->column - after.column) * kCellSize,
                               (pivot->row - after.row) * kCellSize};
        hand.corner = {hand.corner.x + shift.x, hand.corner.y + shift.y};
        hand.grab = {hand.grab.x - shift.x, hand.grab.y - shift.y};
    }
    element.SetOrientation(Transformed(element.orientation, kind));
    element.SetPosition(hand.corner.x, hand.corner.y);
}

void PlaySession::WheelTurned(int eighthsOfDegree) {
    if (!Holding()) {
        hand.wheelRest = 0;
        return;
    }
    hand.wheelRest += eighthsOfDegree;
    for (; hand.wheelRest >= kWheelNotch; hand.wheelRest -= kWheelNotch) {
        TurnHeld(TurnClockwise);
    }
    for (; hand.wheelRest <= -kWheelNotch; hand.wheelRest += kWheelNotch) {
        TurnHeld(TurnCounterClockwise);
    }
}

PlaySession::DropResult PlaySession::Drop() {
    if (!Holding()) {
        return DropResult::WentHome;
    }
    const int index = hand.held;
    Element& element = elements[index];
    PixelPoint snapped;
    const bool fits = element.FindSnap(*puzzle, snapped);
    hand.held = -1;
    hand.byMouse = false;
    lastPlaced = fits ? index : -1;
    if (fits) {
        Place(index, {(snapped.x - puzzle->x) / kCellSize, (snapped.y - puzzle->y) / kCellSize});
    } else {
        element.GoHome();
    }
    CloseStep();
    if (!fits) {
        return DropResult::WentHome;
    }
    return IsSolved() ? DropResult::Solved : DropResult::Placed;
}

void PlaySession::EmptyHand() {
    if (Holding()) {
        elements[hand.held].GoHome();
        hand.held = -1;
        hand.byMouse = false;
    }
}

void PlaySession::PutHeldHome() {
    EmptyHand();
    CloseStep();
}

bool PlaySession::TransformAtHome(int index, TransformKind kind) {
    Element& element = elements[index];
    if (!element.IsAtHome() || element.excluded != 0) {
        return false;
    }
    OpenStep();
    element.Transform(kind);
    if (index == hand.held) {
        // It rests at its new home, and the pointer keeps its place on the canvas: the next
        // move carries the element on from where it is drawn, by the pointer's offset.
        const PixelPoint pointer{hand.corner.x + hand.grab.x, hand.corner.y + hand.grab.y};
        hand.corner = {element.x, element.y};
        if (hand.byMouse) {
            hand.grab = {pointer.x - element.x, pointer.y - element.y};
        }
    }
    CloseStep();
    return true;
}

void PlaySession::SendHome(int index) {
    if (!placedAt[index]) {
        return;
    }
    OpenStep();
    Unplace(index);
    elements[index].GoHome();
    CloseStep();
}

void PlaySession::SendAllHome() {
    EmptyHand();
    for (int i = 0; i < ElementSet::kCount; ++i) {
        if (placedAt[i]) {
            Unplace(i);
            elements[i].GoHome();
        }
    }
}

void PlaySession::ResetBoard() {
    OpenStep();
    SendAllHome();
    CloseStep();
}

void PlaySession::ShowHint(int option, int count) {
    hintUsed = true;
    OpenStep();
    SendAllHome();
    int left = option == 0 ? ElementSet::kCount : count;
    for (Element& element : elements) {
        if (element.excluded != 0 || left <= 0) {
            continue;
        }
        --left;
        if (option == 0) {
            element.TurnToSolution();
        } else {
            PlaceAtSolution(element.id);
        }
    }
    CloseStep();
}

bool PlaySession::PlaceHint(int index, int orientation, GridCell cell) {
    Element& element = elements[index];
    if (element.excluded != 0) {
        return false;
    }
    OpenStep();
    EmptyHand();
    Unplace(index);
    element.GoHome();
    const int before = element.orientation;
    element.TurnTo(orientation);
    if (!element.FitsAt(*puzzle, cell.column, cell.row)) {
        element.TurnTo(before);
        CloseStep();
        return false;
    }
    hintUsed = true;
    Place(index, cell);
    CloseStep();
    return true;
}

std::string PlaySession::KeptBoardLine() const {
    std::string line = std::to_string(clock.ElapsedSeconds());
    if (hintUsed) {
        line += " hint";
    }
    for (const int index : placedOrder) {
        line += ' ';
        line += kElementLetters[index];
        line += std::to_string(elements[index].orientation) + '@' +
                std::to_string(placedAt[index]->column) + ',' +
                std::to_string(placedAt[index]->row);
    }
    return line;
}

bool PlaySession::RestoreKeptBoard(const std::string& line) {
    std::istringstream words(line);
    long long seconds = 0;
    // A century of seconds is beyond any board; the cap keeps the clock's arithmetic sound.
    constexpr long long kMostSeconds = 100LL * 366 * 24 * 3600;
    if (!(words >> seconds) || seconds < 0 || seconds > kMostSeconds) {
        return false;
    }
    const std::string_view letters(kElementLetters);
    const auto refuse = [this] {
        hintUsed = false;
        SendAllHome();
        for (Element& element : elements) {
            element.ResetOrientation();
        }
        return false;
    };
    std::string word;
    while (words >> word) {
        if (word == "hint") {
            hintUsed = true;
            continue;
        }
        int orientation = 0;
        GridCell cell;
        char at = 0;
        char comma = 0;
        std::istringstream parts(word.substr(std::min<std::size_t>(word.size(), 1)));
        const std::size_t index = word.empty() ? std::string_view::npos : letters.find(word[0]);
        if (index == std::string_view::npos ||
            !(parts >> orientation >> at >> cell.column >> comma >> cell.row) || at != '@' ||
            comma != ',' || !parts.eof() || orientation < 0 || orientation >= kOrientationCount ||
            placedAt[index] || elements[index].excluded != 0) {
            return refuse();
        }
        Element& element = elements[index];
        element.TurnTo(orientation);
        if (!element.FitsAt(*puzzle, cell.column, cell.row)) {
            return refuse();
        }
        Place(static_cast<int>(index), cell);
    }
    clock.Restart(seconds * 1000);
    return true;
}

void PlaySession::Choose(int step) {
    if (Holding()) {
        return;
    }
    for (int tried = 0; tried < ElementSet::kCount; ++tried) {
        hand.chosen = hand.chosen < 0 && step < 0
                          ? ElementSet::kCount - 1
                          : (hand.chosen + step + ElementSet::kCount) % ElementSet::kCount;
        if (elements[hand.chosen].excluded == 0) {
            return;
        }
    }
    hand.chosen = -1;
}

void PlaySession::MoveChosen(int columns, int rows) {
    if (hand.chosen < 0 || hand.byMouse) {
        return;
    }
    Element& element = elements[hand.chosen];
    PixelPoint corner{puzzle->x, puzzle->y};
    if (hand.held != hand.chosen) {
        const bool fromHome = element.IsAtHome();
        Lift(hand.chosen, std::nullopt);
        if (fromHome) {
            hand.corner = corner;
            element.SetPosition(corner.x, corner.y);
            return;
        }
    }
    // The keys keep the element on the board.
    corner = {std::clamp(element.x + columns * kCellSize, kBoardArea.left,
                         kBoardArea.right - element.width),
              std::clamp(element.y + rows * kCellSize, kBoardArea.top,
                         kBoardArea.bottom - element.height)};
    hand.corner = corner;
    element.SetPosition(corner.x, corner.y);
}

void PlaySession::TransformChosen(TransformKind kind) {
    if (hand.chosen < 0 || hand.byMouse) {
        return;
    }
    if (hand.held != hand.chosen && elements[hand.chosen].IsAtHome()) {
        TransformAtHome(hand.chosen, kind);
        return;
    }
    Lift(hand.chosen, std::nullopt);
    TurnHeld(kind);
}

std::optional<PlaySession::DropResult> PlaySession::DropChosen() {
    if (!hand.HeldByKeys() || hand.held != hand.chosen) {
        return std::nullopt;
    }
    return Drop();
}

void PlaySession::SendChosenHome() {
    if (hand.chosen < 0 || hand.byMouse) {
        return;
    }
    if (hand.held == hand.chosen) {
        PutHeldHome();
    } else {
        SendHome(hand.chosen);
    }
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
    if (!element.IsAtHome() ||
        !element.FitsAt(*puzzle, element.solutionColumn, element.solutionRow)) {
        return false;
    }
    Place(index, {element.solutionColumn, element.solutionRow});
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
        const GridCell cell = placedAt[i].value_or(GridCell{});
        records[i] = {true, true, {element.Rotation(), element.Mirrored(), cell.column, cell.row}};
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

BoardState PlaySession::State() const {
    BoardState state;
    for (int i = 0; i < ElementSet::kCount; ++i) {
        state[i] = {elements[i].orientation, placedAt[i]};
    }
    return state;
}

bool PlaySession::SameCells(const BoardState& a, const BoardState& b) const {
    const OrientationTable& table = OrientationTable::Standard();
    for (int i = 0; i < ElementSet::kCount; ++i) {
        if (a[i].placed != b[i].placed ||
            table.Canonical(i, a[i].orientation) != table.Canonical(i, b[i].orientation)) {
            return false;
        }
    }
    return true;
}

void PlaySession::OpenStep() {
    clock.Moved();
    marked.clear();
    if (!stepStart) {
        stepStart = State();
    }
}

void PlaySession::CloseStep() {
    if (Holding() || !stepStart) {
        return;
    }
    const BoardState after = State();
    if (!SameCells(*stepStart, after)) {
        undoable.push_back({*stepStart, after});
        redoable.clear();
    }
    stepStart.reset();
}

bool PlaySession::Undo() {
    if (!CanUndo()) {
        return false;
    }
    clock.Moved();
    marked.clear();
    redoable.push_back(undoable.back());
    undoable.pop_back();
    Restore(redoable.back().before);
    return true;
}

bool PlaySession::Redo() {
    if (!CanRedo()) {
        return false;
    }
    clock.Moved();
    marked.clear();
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
    // Elements that stay placed keep their order; the others follow by index.
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

}  // namespace tessellix
