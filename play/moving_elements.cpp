#include "play/moving_elements.h"

#include <QKeyEvent>
#include <algorithm>
#include <utility>

#include "play/play_canvas.h"

namespace tessellix {

namespace {

// One notch of a common mouse wheel, in eighths of a degree.
constexpr int kWheelStep = 120;
// The focus frame stands this far outside the chosen element's cells.
constexpr int kFocusMargin = 2;

}  // namespace

MovingElements::MovingElements(PlaySession& board, PlayCanvas& view, const ImageSurface& background,
                               std::function<void()> onSolved)
    : session(board), canvas(view), backgroundImage(background), solved(std::move(onSolved)) {}

ImageSurface& MovingElements::Window() {
    return canvas.Surface();
}

PixelRect MovingElements::CopyRect(const CellShape& shape) {
    return {shape.x, shape.y, shape.x + shape.width + 1, shape.y + shape.height + 1};
}

void MovingElements::DrawAtHome(Element& element) {
    element.DrawAtHome(Window());
    canvas.RepaintRect(element.GetBoxRect());
}

void MovingElements::DrawInPlace(const Element& element) {
    element.Draw(Window(), kCellSize, true);
    canvas.RepaintRect(CopyRect(element));
}

void MovingElements::ShowChoice() {
    // No frame while the mouse drags: the drag repaints only the element's rectangles.
    if (chosen < 0 || heldByMouse) {
        canvas.SetFocusFrame(std::nullopt);
        return;
    }
    const PixelRect cells = CopyRect(session.Elements()[chosen]);
    canvas.SetFocusFrame(PixelRect{cells.left - kFocusMargin, cells.top - kFocusMargin,
                                   cells.right + kFocusMargin, cells.bottom + kFocusMargin});
}

void MovingElements::ForgetChoice() {
    chosen = -1;
    ShowChoice();
}

void MovingElements::CancelDrag() {
    if (heldByMouse) {
        canvas.releaseMouse();
    }
    heldIndex = -1;
    heldByMouse = false;
}

void MovingElements::Hold(int index) {
    Element& element = session.Elements()[index];
    moveStart = session.State();
    heldIndex = index;
    const PixelRect copy = CopyRect(element);
    if (element.IsAtHome()) {
        // A base box holds nothing but the background.
        underElementImage.CopyFrom(backgroundImage, copy, {0, 0});
        return;
    }
    const PuzzleShape& puzzle = session.Puzzle();
    ComposePuzzleArea(index);
    underElementImage.CopyFrom(
        puzzleAreaImage,
        {copy.left - puzzle.x, copy.top - puzzle.y, copy.right - puzzle.x, copy.bottom - puzzle.y},
        {0, 0});
    session.PickUp(index);
}

void MovingElements::MoveHeldTo(PixelPoint corner) {
    Element& element = session.Elements()[heldIndex];
    RestoreUnderElement(element);
    // No snapping and no bounds: the element follows the hand, clipped by the canvas.
    element.SetPosition(corner.x, corner.y);
    const PixelRect copy = CopyRect(element);
    underElementImage.CopyFrom(Window(), copy, {0, 0});
    element.Draw(Window(), kCellSize, true);
    canvas.RepaintRect(copy);
    ShowChoice();
}

void MovingElements::TurnHeld(TransformKind kind, std::optional<PixelPoint> pivot) {
    Element& element = session.Elements()[heldIndex];
    RestoreUnderElement(element);
    session.TurnHeld(heldIndex, kind, pivot);
    if (pivot) {
        grabOffset = {pivot->x - element.x, pivot->y - element.y};
    }
    MoveHeldTo({element.x, element.y});
}

void MovingElements::ComposePuzzleArea(int skipped) {
    const PuzzleShape& puzzle = session.Puzzle();
    puzzleAreaImage.CopyFrom(backgroundImage, CopyRect(puzzle), {0, 0});
    ElementSet& elements = session.Elements();
    for (int i = 0; i < ElementSet::kCount; ++i) {
        Element& element = elements[i];
        if (i == skipped || element.IsAtHome() || element.excluded != 0) {
            continue;
        }
        const int x = element.x;
        const int y = element.y;
        element.SetPosition(x - puzzle.x, y - puzzle.y);
        element.Draw(puzzleAreaImage, kCellSize, true);
        element.SetPosition(x, y);
    }
}

void MovingElements::RestoreUnderElement(const Element& element) {
    const PixelRect copy = CopyRect(element);
    Window().CopyFrom(underElementImage, {0, 0, copy.Width(), copy.Height()},
                      {copy.left, copy.top});
    canvas.RepaintRect(copy);
}

void MovingElements::LeftPressed(PixelPoint point) {
    if (heldByMouse) {
        return;
    }
    // The hand cannot hold two: what the keys hold is dropped first.
    DropKeyHold();
    const int index = session.ElementAt(point, true);
    if (index < 0) {
        pressPoint = lastDragPoint = point;
        return;
    }
    canvas.grabMouse();
    heldByMouse = true;
    const Element& element = session.Elements()[index];
    grabOffset = {point.x - element.x, point.y - element.y};
    Hold(index);
    ShowChoice();
    pressPoint = lastDragPoint = point;
}

void MovingElements::PointerMoved(PixelPoint point) {
    if (!heldByMouse || point == lastDragPoint) {
        return;
    }
    MoveHeldTo({point.x - grabOffset.x, point.y - grabOffset.y});
    lastDragPoint = point;
}

void MovingElements::LeftReleased(PixelPoint point) {
    if (heldByMouse) {
        canvas.releaseMouse();
        heldByMouse = false;
        Drop();
    }
    if (point == pressPoint) {
        const int index = session.ElementAt(point, false);
        if (index >= 0) {
            TransformAtHome(index, TurnClockwise);
        }
    }
}

void MovingElements::WheelTurned(PixelPoint point, int eighthsOfDegree) {
    if (!Dragging()) {
        wheelRest = 0;
        return;
    }
    wheelRest += eighthsOfDegree;
    for (; wheelRest >= kWheelStep; wheelRest -= kWheelStep) {
        TurnHeld(TurnClockwise, heldByMouse ? std::optional(point) : std::nullopt);
    }
    for (; wheelRest <= -kWheelStep; wheelRest += kWheelStep) {
        TurnHeld(TurnCounterClockwise, heldByMouse ? std::optional(point) : std::nullopt);
    }
}

void MovingElements::Drop() {
    Element& element = session.Elements()[heldIndex];
    RestoreUnderElement(element);
    const PlaySession::DropResult result = session.Drop(heldIndex);
    heldIndex = -1;
    if (result == PlaySession::DropResult::WentHome) {
        DrawAtHome(element);
    } else {
        DrawInPlace(element);
    }
    session.RecordMove(moveStart);
    ShowChoice();
    if (result == PlaySession::DropResult::Solved && solved) {
        solved();
    }
}

void MovingElements::PutHeldHome() {
    Element& element = session.Elements()[heldIndex];
    RestoreUnderElement(element);
    element.SetPosition(element.homeX, element.homeY);
    heldIndex = -1;
    DrawAtHome(element);
    session.RecordMove(moveStart);
    ShowChoice();
}

void MovingElements::TransformAtHome(int index, TransformKind kind) {
    Element& element = session.Elements()[index];
    const BoardState before = session.State();
    if (element.Transform(kind) == 1) {
        DrawAtHome(element);
        session.RecordMove(before);
        ShowChoice();
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
        SendHome(index);
    }
}

void MovingElements::SendHome(int index) {
    const BoardState before = session.State();
    ComposePuzzleArea(index);
    const PixelRect area = CopyRect(session.Puzzle());
    Window().CopyFrom(puzzleAreaImage, {0, 0, area.Width(), area.Height()}, {area.left, area.top});
    canvas.RepaintRect(area);
    session.SendHome(index);
    DrawAtHome(session.Elements()[index]);
    session.RecordMove(before);
    ShowChoice();
}

void MovingElements::RightReleased(PixelPoint point) {
    // Every move starts and ends with the hand empty, so that undo has whole boards to return to.
    if (heldByMouse) {
        return;
    }
    DropKeyHold();
    const int index = session.ElementAt(point, false);
    if (index >= 0) {
        TransformAtHome(index, Mirror);
    }
}

void MovingElements::DropKeyHold() {
    if (Dragging() && !heldByMouse) {
        Drop();
    }
}

void MovingElements::RedrawHeld() {
    Element& element = session.Elements()[heldIndex];
    underElementImage.CopyFrom(Window(), CopyRect(element), {0, 0});
    element.Draw(Window(), kCellSize, true);
}

void MovingElements::Choose(int step) {
    for (int tried = 0; tried < ElementSet::kCount; ++tried) {
        chosen = chosen < 0 && step < 0 ? ElementSet::kCount - 1
                                        : (chosen + step + ElementSet::kCount) % ElementSet::kCount;
        if (session.Elements()[chosen].excluded == 0) {
            break;
        }
    }
    if (session.Elements()[chosen].excluded != 0) {
        chosen = -1;
    }
    ShowChoice();
}

bool MovingElements::KeyPressed(int key, bool shift) {
    const bool mirror = key == Qt::Key_Space && shift;
    if (heldByMouse) {
        // The mouse holds the element: only turning and mirroring are the keys' to do.
        if (key != Qt::Key_Space) {
            return false;
        }
        TurnHeld(mirror ? Mirror : TurnClockwise, lastDragPoint);
        return true;
    }
    switch (key) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            if (!Dragging()) {
                Choose(key == Qt::Key_Backtab || shift ? -1 : 1);
            }
            return true;
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Delete:
            break;
        default:
            return false;
    }
    if (chosen < 0) {
        return true;
    }
    Element& element = session.Elements()[chosen];
    const bool held = heldIndex == chosen;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (held) {
            Drop();
        }
    } else if (key == Qt::Key_Escape || key == Qt::Key_Delete) {
        if (held) {
            PutHeldHome();
        } else if (!element.IsAtHome()) {
            SendHome(chosen);
        }
    } else if (key == Qt::Key_Space) {
        if (!held && element.IsAtHome()) {
            TransformAtHome(chosen, mirror ? Mirror : TurnClockwise);
        } else {
            if (!held) {
                Hold(chosen);
            }
            TurnHeld(mirror ? Mirror : TurnClockwise, std::nullopt);
        }
    } else if (!held && element.IsAtHome()) {
        // The first arrow brings it onto the board, at the puzzle's corner.
        Hold(chosen);
        MoveHeldTo({session.Puzzle().x, session.Puzzle().y});
    } else {
        if (!held) {
            Hold(chosen);
        }
        const int dx = key == Qt::Key_Left ? -kCellSize : key == Qt::Key_Right ? kCellSize : 0;
        const int dy = key == Qt::Key_Up ? -kCellSize : key == Qt::Key_Down ? kCellSize : 0;
        // The keys keep the element on the board.
        MoveHeldTo(
            {std::clamp(element.x + dx, kBoardArea.left, kBoardArea.right - element.width),
             std::clamp(element.y + dy, kBoardArea.top, kBoardArea.bottom - element.height)});
    }
    return true;
}

}  // namespace tessellix
