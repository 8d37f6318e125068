#include "play/moving_elements.h"

#include <utility>

#include "model/play_session.h"
#include "play/play_canvas.h"

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

void MovingElements::CancelDrag() {
    if (dragging) {
        canvas.releaseMouse();
        dragging = false;
    }
}

void MovingElements::LeftPressed(PixelPoint point) {
    if (dragging) {
        return;
    }
    const int index = session.ElementAt(point, true);
    if (index < 0) {
        pressPoint = lastDragPoint = point;
        return;
    }
    canvas.grabMouse();
    dragging = true;
    draggedIndex = index;
    BeginDrag(point);
}

void MovingElements::BeginDrag(PixelPoint point) {
    Element& element = session.Elements()[draggedIndex];
    grabOffset = {point.x - element.x, point.y - element.y};
    const PixelRect copy = CopyRect(element);
    if (element.IsAtHome()) {
        // A base box holds nothing but the background.
        underElementImage.CopyFrom(backgroundImage, copy, {0, 0});
    } else {
        const PuzzleShape& puzzle = session.Puzzle();
        ComposePuzzleArea(draggedIndex);
        underElementImage.CopyFrom(puzzleAreaImage,
                                   {copy.left - puzzle.x, copy.top - puzzle.y,
                                    copy.right - puzzle.x, copy.bottom - puzzle.y},
                                   {0, 0});
        session.PickUp(draggedIndex);
    }
    pressPoint = lastDragPoint = point;
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

void MovingElements::PointerMoved(PixelPoint point) {
    if (dragging) {
        DragTo(point);
    }
}

void MovingElements::DragTo(PixelPoint point) {
    if (point == lastDragPoint) {
        return;
    }
    Element& element = session.Elements()[draggedIndex];
    RestoreUnderElement(element);
    // No snapping and no bounds: the element follows the pointer, clipped by the canvas.
    element.SetPosition(point.x - grabOffset.x, point.y - grabOffset.y);
    const PixelRect copy = CopyRect(element);
    underElementImage.CopyFrom(Window(), copy, {0, 0});
    element.Draw(Window(), kCellSize, true);
    canvas.RepaintRect(copy);
    lastDragPoint = point;
}

void MovingElements::LeftReleased(PixelPoint point) {
    if (dragging) {
        canvas.releaseMouse();
        dragging = false;
        Drop();
    }
    if (point == pressPoint) {
        const int index = session.ElementAt(point, false);
        if (index >= 0) {
            Element& element = session.Elements()[index];
            if (element.Transform(TurnClockwise) == 1) {
                DrawAtHome(element);
            }
        }
    }
}

void MovingElements::Drop() {
    Element& element = session.Elements()[draggedIndex];
    RestoreUnderElement(element);
    const PlaySession::DropResult result = session.Drop(draggedIndex);
    if (result == PlaySession::DropResult::WentHome) {
        DrawAtHome(element);
        return;
    }
    DrawInPlace(element);
    if (result == PlaySession::DropResult::Solved && solved) {
        solved();
    }
}

void MovingElements::LeftDoubleClicked(PixelPoint point) {
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
    ComposePuzzleArea(index);
    const PixelRect area = CopyRect(session.Puzzle());
    Window().CopyFrom(puzzleAreaImage, {0, 0, area.Width(), area.Height()}, {area.left, area.top});
    canvas.RepaintRect(area);
    session.SendHome(index);
    DrawAtHome(session.Elements()[index]);
}

void MovingElements::RightReleased(PixelPoint point) {
    const int index = session.ElementAt(point, false);
    if (index < 0) {
        return;
    }
    Element& element = session.Elements()[index];
    if (element.Transform(Mirror) == 1) {
        DrawAtHome(element);
    }
}
