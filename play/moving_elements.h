#pragma once

#include <functional>

#include "platform/image_surface.h"

class CellShape;
class Element;
class PlayCanvas;
class PlaySession;

// The player's hand on the play canvas: picking, dragging and dropping elements, turning and
// mirroring them in their base boxes, and sending placed ones home. The session decides where
// elements go; this draws them. During a drag only the dragged element's rectangle of the
// window is drawn and repainted.
class MovingElements {
  public:
    // 77 = 5 x 15 + 2: the largest element's box with its right and bottom border line.
    static constexpr int kUnderElementSide = 77;
    // 467 = 31 x 15 + 2: the largest puzzle with its border line.
    static constexpr int kPuzzleAreaSide = 467;

    // background is the board's static picture; solved is called when a drop covers the last
    // free cell, after the mouse has been released.
    MovingElements(PlaySession& session, PlayCanvas& canvas, const ImageSurface& background,
                   std::function<void()> solved);

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
    // Ends a drag without a drop, as when the board changes under the hand; the caller
    // redraws what the element covered.
    void CancelDrag();
    // Draws an element in its base box on the window and shows the box.
    void DrawAtHome(Element& element);
    // Draws an element where it is on the window and shows it.
    void DrawInPlace(const Element& element);
    // A shape's box with its right and bottom border line.
    static PixelRect CopyRect(const CellShape& shape);

    bool Dragging() const { return dragging; }
    int DraggedIndex() const { return draggedIndex; }

  private:
    void BeginDrag(PixelPoint point);
    void DragTo(PixelPoint point);
    void Drop();
    void RestoreUnderElement(const Element& element);
    ImageSurface& Window();

    PlaySession& session;
    PlayCanvas& canvas;
    const ImageSurface& backgroundImage;
    std::function<void()> solved;
    PixelPoint pressPoint{0, 0};
    PixelPoint lastDragPoint{kPictureWidth, kPictureHeight};
    PixelPoint grabOffset{0, 0};
    bool dragging = false;
    int draggedIndex = -1;
    ImageSurface underElementImage{kUnderElementSide, kUnderElementSide};
    ImageSurface puzzleAreaImage{kPuzzleAreaSide, kPuzzleAreaSide};
};
