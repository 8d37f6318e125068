#include "model/play_session.h"

#include <algorithm>

#include "model/place_jumps.h"

namespace tessellix {

namespace {

// One notch of a common mouse wheel, in eighths of a degree.
constexpr int kWheelNotch = 120;
}  // namespace

PlaySession::PlaySession(PuzzleLibrary& library) : position(library) {
    if (library.RecordAt(position.Index()) != nullptr) {
        startProblem = SwitchToPuzzle(position.Index());
    }
}

std::optional<Failure> PlaySession::SwitchToPuzzle(int index) {
    const PuzzleRecord* record = Library().RecordAt(index);
    if (record == nullptr) {
        return std::nullopt;
    }
    std::optional<Failure> failure = LoadPuzzle(Library().PathOf(*record));
    if (!failure) {
        position.Play(index);
    }
    return failure;
}

std::optional<Failure> PlaySession::LoadPuzzle(const std::string& path) {
    return LoadPuzzle(ReadPuzzleFile(path), path);
}

std::optional<Failure> PlaySession::LoadPuzzle(const PuzzleFileContents& contents,
                                               const std::string& path) {
    if (std::optional<Failure> failure = board.Load(contents, path)) {
        return failure;
    }
    hand = {};
    marked.clear();
    stepMarks = {};
    lastPlaced = -1;
    history.Clear();
    hintUsed = false;
    clock.Restart();
    return std::nullopt;
}

int PlaySession::ElementAt(PixelPoint point, bool onCell) const {
    for (int i = 0; i < ElementSet::kCount; ++i) {
        const Element& element = board.Elements()[i];
        const bool carried = i == hand.held && !element.IsAtHome();
        if (!carried && element.excluded == 0 && element.HitTest(point, onCell) == element.id) {
            return i;
        }
    }
    return -1;
}

void PlaySession::Lift(int index, std::optional<PixelPoint> pointer) {
    Element& element = board.Elements()[index];
    if (Holding() || element.excluded != 0) {
        return;
    }
    OpenStep();
    board.Unplace(index);
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
    board.Elements()[hand.held].SetPosition(hand.corner.x, hand.corner.y);
}

void PlaySession::TurnHeld(TransformKind kind) {
    if (!Holding()) {
        return;
    }
    Element& element = board.Elements()[hand.held];
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
    Element& element = board.Elements()[index];
    PixelPoint snapped;
    const bool fits = element.FindSnap(board.Puzzle(), snapped);
    hand.held = -1;
    hand.byMouse = false;
    lastPlaced = fits ? index : -1;
    if (fits) {
        board.Place(index, {(snapped.x - board.Puzzle().x) / kCellSize,
                            (snapped.y - board.Puzzle().y) / kCellSize});
    } else {
        element.GoHome();
    }
    CloseStep();
    if (!fits) {
        return DropResult::WentHome;
    }
    StopClockIfSolved();
    return IsSolved() ? DropResult::Solved : DropResult::Placed;
}

void PlaySession::StopClockIfSolved() {
    if (IsSolved()) {
        clock.Stop();
    }
}

void PlaySession::EmptyHand() {
    if (Holding()) {
        board.Elements()[hand.held].GoHome();
        hand.held = -1;
        hand.byMouse = false;
    }
}

void PlaySession::PutHeldHome() {
    EmptyHand();
    CloseStep();
}

bool PlaySession::TransformAtHome(int index, TransformKind kind) {
    Element& element = board.Elements()[index];
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
    if (!board.PlacedAt(index)) {
        return;
    }
    OpenStep();
    board.Unplace(index);
    board.Elements()[index].GoHome();
    CloseStep();
}

void PlaySession::SendAllHome() {
    EmptyHand();
    board.SendPlacedHome();
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
    for (Element& element : board.Elements()) {
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
    Element& element = board.Elements()[index];
    if (element.excluded != 0) {
        return false;
    }
    OpenStep();
    EmptyHand();
    board.Unplace(index);
    element.GoHome();
    const int before = element.orientation;
    element.TurnTo(orientation);
    if (!element.FitsAt(board.Puzzle(), cell.column, cell.row)) {
        element.TurnTo(before);
        CloseStep();
        return false;
    }
    hintUsed = true;
    board.Place(index, cell);
    CloseStep();
    StopClockIfSolved();
    return true;
}

std::optional<PlaySession::BoardKeeping> PlaySession::Keeping() const {
    const PuzzleRecord* record = CurrentRecord();
    if (record == nullptr) {
        return std::nullopt;
    }
    BoardKeeping keeping{record->fileName, std::nullopt};
    if (!board.PlacedInOrder().empty() && !IsSolved()) {
        KeptBoard& kept = keeping.board.emplace();
        kept.seconds = clock.ElapsedSeconds();
        kept.hintUsed = hintUsed;
        kept.placed = board.KeptPlacements();
    }
    return keeping;
}

std::optional<Failure> PlaySession::RestoreKeptBoard(const KeptBoard& kept) {
    if (std::optional<Failure> failure = board.PlaceKept(kept.placed)) {
        return failure;
    }
    hintUsed = kept.hintUsed;
    clock.Restart(kept.seconds * 1000);
    return std::nullopt;
}

void PlaySession::Choose(int step) {
    if (Holding()) {
        return;
    }
    for (int tried = 0; tried < ElementSet::kCount; ++tried) {
        hand.chosen = hand.chosen < 0 && step < 0
                          ? ElementSet::kCount - 1
                          : (hand.chosen + step + ElementSet::kCount) % ElementSet::kCount;
        if (board.Elements()[hand.chosen].excluded == 0) {
            return;
        }
    }
    hand.chosen = -1;
}

void PlaySession::MoveChosen(int columns, int rows) {
    if (hand.chosen < 0 || hand.byMouse) {
        return;
    }
    Element& element = board.Elements()[hand.chosen];
    PixelPoint corner{board.Puzzle().x, board.Puzzle().y};
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
    if (hand.held != hand.chosen && board.Elements()[hand.chosen].IsAtHome()) {
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

bool PlaySession::JumpChosen(int step) {
    if (hand.chosen < 0 || hand.byMouse || (Holding() && hand.held != hand.chosen)) {
        return false;
    }
    Element& element = board.Elements()[hand.chosen];
    if (!Holding() && !element.IsAtHome()) {
        Lift(hand.chosen, std::nullopt);
    }
    const bool fromHome = !Holding();
    const std::optional<GridCell> place =
        JumpPlace(element, board.Puzzle(),
                  fromHome ? std::nullopt : std::optional(PixelPoint{element.x, element.y}), step);
    if (!place) {
        return false;
    }
    if (fromHome) {
        Lift(hand.chosen, std::nullopt);
    }
    hand.corner = {board.Puzzle().x + place->column * kCellSize,
                   board.Puzzle().y + place->row * kCellSize};
    element.SetPosition(hand.corner.x, hand.corner.y);
    return true;
}

void PlaySession::StartAfresh() {
    history.Clear();
    if (clock.Stopped()) {
        clock.Restart();
    }
}

void PlaySession::OpenStep() {
    clock.Moved();
    marked.clear();
    stepMarks = {};
    history.Begin(State());
}

void PlaySession::CloseStep() {
    if (!Holding()) {
        history.End(State());
    }
}

bool PlaySession::CanTravel(MoveHistory::Direction direction) const {
    return !Holding() && history.CanTravel(direction);
}

bool PlaySession::Travel(MoveHistory::Direction direction) {
    if (Holding()) {
        return false;
    }
    const std::optional<BoardState> state = history.Travel(direction);
    if (!state) {
        return false;
    }
    clock.Moved();
    marked.clear();
    stepMarks = {};
    board.Restore(*state);
    return true;
}

}  // namespace tessellix
