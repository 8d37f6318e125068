#include "play/moving_elements.h"

#include <QKeyEvent>
#include <utility>

#include "play/play_canvas.h"

namespace tessellix {

MovingElements::MovingElements(PlaySession& board, PlayCanvas& view,
                               std::function<void()> onChanged, std::function<void()> onDropped,
                               std::function<void()> onSolved)
    : session(board),
      canvas(view),
      changed(std::move(onChanged)),
      dropped(std::move(onDropped)),
      solved(std::move(onSolved)) {}

void MovingElements::Dropped(PlaySession::DropResult result) {
    dropped();
    changed();
    if (result == PlaySession::DropResult::Solved && solved) {
        solved();
    }
}

void MovingElements::DropKeyHold() {
    if (session.PlayerHand().HeldByKeys()) {
        Dropped(session.Drop());
    }
}

void MovingElements::LeftPressed(PixelPoint point) {
    if (session.PlayerHand().byMouse) {
        return;
    }
    // The hand cannot hold two: what the keys hold is dropped first.
    DropKeyHold();
    const int index = session.ElementAt(point, true);
    pressPoint = lastDragPoint = point;
    if (index < 0) {
        return;
    }
    canvas.grabMouse();
    session.Lift(index, point);
    changed();
}

void MovingElements::PointerMoved(PixelPoint point) {
    if (!session.PlayerHand().byMouse || point == lastDragPoint) {
        return;
    }
    session.MoveHeldTo(point);
    lastDragPoint = point;
    changed();
}

void MovingElements::LeftReleased(PixelPoint point) {
    if (session.PlayerHand().byMouse) {
        canvas.releaseMouse();
        Dropped(session.Drop());
    }
    if (point == pressPoint) {
        const int index = session.ElementAt(point, false);
        if (index >= 0 && session.TransformAtHome(index, TurnClockwise)) {
            changed();
        }
    }
}

void MovingElements::LeftDoubleClicked(PixelPoint point) {
    DropKeyHold();
    const int index = session.ElementAt(point, true);
    if (index < 0) {
        return;
    }
    if (session.Elements()[index].IsAtHome()) {
        LeftPressed(point);
    } else {
        session.SendHome(index);
        changed();
    }
}

void MovingElements::RightReleased(PixelPoint point) {
    // What the mouse holds stays in the hand; what the keys hold is dropped.
    DropKeyHold();
    const int index = session.ElementAt(point, false);
    if (index >= 0 && session.TransformAtHome(index, Mirror)) {
        changed();
    }
}

void MovingElements::WheelTurned(int eighthsOfDegree) {
    session.WheelTurned(eighthsOfDegree);
    changed();
}

bool MovingElements::KeyPressed(int key, bool shift) {
    const TransformKind turn = shift ? Mirror : TurnClockwise;
    if (session.PlayerHand().byMouse) {
        // The mouse holds the element: only turning and mirroring are the keys' to do.
        if (key != Qt::Key_Space) {
            return false;
        }
        session.TurnHeld(turn);
        changed();
        return true;
    }
    switch (key) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            session.Choose(key == Qt::Key_Backtab || shift ? -1 : 1);
            break;
        case Qt::Key_Left:
            session.MoveChosen(-1, 0);
            break;
        case Qt::Key_Right:
            session.MoveChosen(1, 0);
            break;
        case Qt::Key_Up:
            session.MoveChosen(0, -1);
            break;
        case Qt::Key_Down:
            session.MoveChosen(0, 1);
            break;
        case Qt::Key_Space:
            session.TransformChosen(turn);
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (const auto result = session.DropChosen()) {
                Dropped(*result);
                return true;
            }
            break;
        case Qt::Key_Escape:
        case Qt::Key_Delete:
            session.SendChosenHome();
            break;
        default:
            return false;
    }
    changed();
    return true;
}

}  // namespace tessellix
