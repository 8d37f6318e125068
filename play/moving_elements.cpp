#include "play/moving_elements.h"

#include "model/puzzle_shape.h"
#include "play/main_window.h"
#include "play/play_canvas.h"

MovingElements::MovingElements(MainWindow& owner) : window(owner) {}

PixelRect MovingElements::CopyRect(const Element& element) {
    return {element.x, element.y, element.x + element.width + 1, element.y + element.height + 1};
}

int MovingElements::ElementAt(PixelPoint point, bool onCell) const {
    const ElementSet& elements = window.Elements();
    for (int i = 0; i < ElementSet::kCount; ++i) {
        if (elements[i].excluded == 0 && elements[i].HitTest(point, onCell) == elements[i].id) {
            return i;
        }
    }
    return -1;
}

void MovingElements::LeftPressed(PixelPoint point) {
    if (dragging) {
        return;
    }
    const int index = ElementAt(point, true);
    if (index < 0) {
        pressPoint = lastDragPoint = point;
        return;
    }
    window.Canvas().grabMouse();
    dragging = true;
    draggedIndex = index;
    BeginDrag(point);
}

void MovingElements::BeginDrag(PixelPoint point) {
    Element& element = window.Elements()[draggedIndex];
    grabOffset = {point.x - element.x, point.y - element.y};
    const PixelRect copy = CopyRect(element);
    if (element.IsAtHome()) {
        // A base box holds nothing but the background.
        underElementImage.CopyFrom(window.BackgroundImage(), copy, {0, 0});
    } else {
        PuzzleShape& puzzle = window.CurrentPuzzle();
        ComposePuzzleArea(draggedIndex);
        underElementImage.CopyFrom(puzzleAreaImage,
                                   {copy.left - puzzle.x, copy.top - puzzle.y,
                                    copy.right - puzzle.x, copy.bottom - puzzle.y},
                                   {0, 0});
        element.Vacate(puzzle);
    }
    pressPoint = lastDragPoint = point;
}

void MovingElements::ComposePuzzleArea(int skipped) {
    const PuzzleShape& puzzle = window.CurrentPuzzle();
    puzzleAreaImage.CopyFrom(
        window.BackgroundImage(),
        {puzzle.x, puzzle.y, puzzle.x + puzzle.width + 1, puzzle.y + puzzle.height + 1}, {0, 0});
    ElementSet& elements = window.Elements();
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
    window.WindowSurface().CopyFrom(underElementImage, {0, 0, copy.Width(), copy.Height()},
                                    {copy.left, copy.top});
    window.Canvas().RepaintRect(copy);
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
    Element& element = window.Elements()[draggedIndex];
    RestoreUnderElement(element);
    // No snapping and no bounds: the element follows the pointer, clipped by the canvas.
    element.SetPosition(point.x - grabOffset.x, point.y - grabOffset.y);
    const PixelRect copy = CopyRect(element);
    underElementImage.CopyFrom(window.WindowSurface(), copy, {0, 0});
    element.Draw(window.WindowSurface(), kCellSize, true);
    window.Canvas().RepaintRect(copy);
    lastDragPoint = point;
}

void MovingElements::LeftReleased(PixelPoint point) {
    if (dragging) {
        window.Canvas().releaseMouse();
        dragging = false;
        Drop();
    }
    if (point == pressPoint) {
        const int index = ElementAt(point, false);
        if (index >= 0) {
            Element& element = window.Elements()[index];
            if (element.Transform(TurnClockwise) == 1) {
                element.DrawAtHome(window.WindowSurface());
                window.Canvas().RepaintRect(element.GetBoxRect());
            }
        }
    }
}

void MovingElements::Drop() {
    Element& element = window.Elements()[draggedIndex];
    RestoreUnderElement(element);
    PuzzleShape& puzzle = window.CurrentPuzzle();
    PixelPoint snapped;
    if (!element.FindSnap(puzzle, snapped)) {
        element.DrawAtHome(window.WindowSurface());
        window.Canvas().RepaintRect(element.GetBoxRect());
        return;
    }
    element.SetPosition(snapped.x, snapped.y);
    element.Draw(window.WindowSurface(), kCellSize, true);
    window.Canvas().RepaintRect(CopyRect(element));
    element.Occupy(puzzle);
    if (puzzle.IsSolved()) {
        window.OnSolved();
    }
}

void MovingElements::LeftDoubleClicked(PixelPoint point) {
    const int index = ElementAt(point, true);
    if (index < 0) {
        return;
    }
    if (window.Elements()[index].IsAtHome()) {
        LeftPressed(point);
    } else {
        SendHome(index);
    }
}

void MovingElements::SendHome(int index) {
    PuzzleShape& puzzle = window.CurrentPuzzle();
    Element& element = window.Elements()[index];
    ComposePuzzleArea(index);
    const PixelRect area{puzzle.x, puzzle.y, puzzle.x + puzzle.width + 1,
                         puzzle.y + puzzle.height + 1};
    window.WindowSurface().CopyFrom(puzzleAreaImage, {0, 0, area.Width(), area.Height()},
                                    {area.left, area.top});
    window.Canvas().RepaintRect(area);
    element.Vacate(puzzle);
    element.DrawAtHome(window.WindowSurface());
    window.Canvas().RepaintRect(element.GetBoxRect());
}

void MovingElements::RightReleased(PixelPoint point) {
    const int index = ElementAt(point, false);
    if (index < 0) {
        return;
    }
    Element& element = window.Elements()[index];
    if (element.Transform(Mirror) == 1) {
        element.DrawAtHome(window.WindowSurface());
        window.Canvas().RepaintRect(element.GetBoxRect());
    }
}
