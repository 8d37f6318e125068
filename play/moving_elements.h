#pragma once

#include "platform/image_surface.h"

class MainWindow;
class Element;

// The player's hand on the play canvas: picking, dragging and dropping elements, turning and
// mirroring them in their base boxes, and sending placed ones home. During a drag only the
// dragged element's rectangle of the window is drawn and repainted.
class MovingElements {
  public:
    // 77 = 5 x 15 + 2: the largest element's box with its right and bottom border line.
    static constexpr int kUnderElementSide = 77;
    // 467 = 31 x 15 + 2: the largest puzzle with its border line.
    static constexpr int kPuzzleAreaSide = 467;

    explicit MovingElements(MainWindow& window);

    void LeftPressed(PixelPoint point);
    void PointerMoved(PixelPoint point);
    void LeftReleased(PixelPoint point);
    void LeftDoubleClicked(PixelPoint point);
    void RightReleased(PixelPoint point);

    // Puts the puzzle as in the background, with every placed element but `skipped`, into
    // the puzzle area image.
    void ComposePuzzleArea(int skipped);
    // Takes a placed element off the puzzle and draws it in its base box.
    void SendHome(int index);

    bool Dragging() const { return dragging; }
    int DraggedIndex() const { return draggedIndex; }
    ImageSurface& PuzzleAreaImage() { return puzzleAreaImage; }

  private:
    void BeginDrag(PixelPoint point);
    void DragTo(PixelPoint point);
    void Drop();
    // First used element, in index order, whose cell (onCell) or box holds the point; -1.
    int ElementAt(PixelPoint point, bool onCell) const;
    // The element's box with its right and bottom border line.
    static PixelRect CopyRect(const Element& element);
    void RestoreUnderElement(const Element& element);

    MainWindow& window;
    PixelPoint pressPoint{0, 0};
    PixelPoint lastDragPoint{600, 400};
    PixelPoint grabOffset{0, 0};
    bool dragging = false;
    int draggedIndex = -1;
    ImageSurface underElementImage{kUnderElementSide, kUnderElementSide};
    ImageSurface puzzleAreaImage{kPuzzleAreaSide, kPuzzleAreaSide};
};
