#include "play/board_view.h"

#include <algorithm>

#include "model/board_names.h"
#include "platform/wait_cursor.h"
#include "play/play_canvas.h"

namespace tessellix {

BoardView::BoardView(PuzzleLibrary& library, PlayCanvas& view, QObject* parent)
    : QObject(parent), session(library), canvas(view), drawing(session, backgroundImage, view) {
    backgroundImage.SetBackgroundColour(kBoardGrey);
    ComposeBackground();
    Paint();

    const auto at = [](QPoint p) { return PixelPoint{p.x(), p.y()}; };
    connect(&canvas, &PlayCanvas::leftPressed, this,
            [this, at](QPoint p) { Apply(input.LeftPressed(at(p))); });
    connect(&canvas, &PlayCanvas::moved, this,
            [this, at](QPoint p) { Apply(input.PointerMoved(at(p))); });
    connect(&canvas, &PlayCanvas::leftReleased, this,
            [this, at](QPoint p) { Apply(input.LeftReleased(at(p))); });
    connect(&canvas, &PlayCanvas::leftDoubleClicked, this,
            [this, at](QPoint p) { Apply(input.LeftDoubleClicked(at(p))); });
    connect(&canvas, &PlayCanvas::rightReleased, this,
            [this, at](QPoint p) { Apply(input.RightReleased(at(p))); });
    connect(&canvas, &PlayCanvas::wheelTurned, this,
            [this](QPoint, int eighthsOfDegree) { Apply(input.WheelTurned(eighthsOfDegree)); });
    canvas.SetKeyHandler([this](BoardKey key) {
        const InputOutcome outcome = input.KeyPressed(key);
        Apply(outcome);
        return !outcome.refused;
    });
}

ImageSurface& BoardView::WindowSurface() {
    return canvas.Surface();
}

void BoardView::ComposeBackground() {
    DrawBoardFrame(backgroundImage, {PixelView::kWidth - 1, PixelView::kHeight - 1});
    session.Puzzle().Draw(backgroundImage, kCellSize, true);
    PixelRect titleRect;
    session.Puzzle().DrawTitle(backgroundImage, titleRect, true);
}

void BoardView::Paint() {
    if (session.PlayerHand().byMouse) {
        drawing.ShowBackgroundOnly();
    } else {
        drawing.ComposeAll();
    }
}

void BoardView::RedrawTitle() {
    PixelRect titleRect;
    session.Puzzle().DrawTitle(backgroundImage, titleRect, true);
    Paint();
    emit changed({});
}

void BoardView::Apply(const InputOutcome& outcome) {
    if (outcome.mouse == InputOutcome::Mouse::Grab) {
        canvas.grabMouse();
    } else if (outcome.mouse == InputOutcome::Mouse::LetGo) {
        canvas.releaseMouse();
    }
    if (outcome.EndsWithDrop() && showMistakes) {
        aids.MarkIfMistake();
    }
    if (outcome.Changed()) {
        drawing.Update();
        emit changed(outcome);
        if (const BilingualText spoken = BoardNames::Spoken(outcome); !spoken.IsEmpty()) {
            Announce(spoken);
        }
    }
    if (outcome.solved) {
        emit solved();
    }
}

void BoardView::Changed() {
    LetGoOfMouse();
    drawing.Update();
    emit changed({});
}

void BoardView::LetGoOfMouse() {
    if (!session.PlayerHand().byMouse && QWidget::mouseGrabber() == &canvas) {
        canvas.releaseMouse();
    }
}

BoardCheck BoardView::CheckBoard() {
    const BoardCheck check = aids.Check();
    Changed();
    return check;
}

BoardHint BoardView::HintFromHere() {
    const BoardHint hint = aids.HintFromHere();
    Changed();
    if (hint.next) {
        BilingualText spoken = BoardNames::HintPlaced(hint.next->element);
        if (session.IsSolved()) {
            spoken.Add(". ").Add(BoardNames::Solved());
        }
        Announce(spoken);
    }
    if (hint.next && session.IsSolved()) {
        emit solved();
    }
    return hint;
}

std::optional<ExplainedStep> BoardView::ExplainStep() {
    std::optional<ExplainedStep> step = aids.Explain();
    Changed();
    return step;
}

bool BoardView::PlaceExplained(const PlacedElement& placed) {
    const Placement& place = placed.placement;
    if (!session.PlaceHint(placed.element, place.Orientation(), {place.column, place.row})) {
        return false;
    }
    Changed();
    if (session.IsSolved()) {
        emit solved();
    }
    return true;
}

void BoardView::SetElementLook(const ElementLook& look) {
    session.Elements().SetLook(look);
    Paint();
}

std::optional<Failure> BoardView::RestoreKeptBoard(const KeptBoard& kept) {
    std::optional<Failure> failure = session.RestoreKeptBoard(kept);
    Changed();
    return failure;
}

void BoardView::PutHeldHome() {
    session.PutHeldHome();
    Changed();
}

std::optional<Failure> BoardView::SwitchToPuzzle(int index) {
    const WaitCursor wait;
    std::optional<Failure> failure = session.SwitchToPuzzle(index);
    if (!failure) {
        LetGoOfMouse();
        ComposeBackground();
        Paint();
        emit changed({});
    }
    return failure;
}

void BoardView::ResetBoard() {
    session.ResetBoard();
    Changed();
}

void BoardView::ShowHint(int option, int count) {
    const std::vector<int> before = session.PlacedInOrder();
    session.ShowHint(option, count);
    Changed();
    BilingualText spoken;
    for (const int element : session.PlacedInOrder()) {
        if (std::find(before.begin(), before.end(), element) == before.end()) {
            spoken.Add(spoken.IsEmpty() ? "" : ". ").Add(BoardNames::HintPlaced(element));
        }
    }
    if (!spoken.IsEmpty()) {
        Announce(spoken);
    }
}

bool BoardView::Undo() {
    if (!session.Undo()) {
        return false;
    }
    Changed();
    Announce(BoardNames(session).Undone());
    return true;
}

bool BoardView::Redo() {
    if (!session.Redo()) {
        return false;
    }
    Changed();
    Announce(BoardNames(session).Redone());
    return true;
}

}  // namespace tessellix
