#pragma once

#include <functional>
#include <optional>

#include "model/play_session.h"
#include "platform/image_surface.h"

namespace tessellix {

class CellShape;
class Element;
class PlayCanvas;

// The player's hand on the play canvas, with the mouse or the keyboard: picking, dragging or
// moving and dropping elements, turning and mirroring them at home or in the hand, and sending
// placed ones home. The session decides where elements go and keeps every move for undo; this
// draws them. While an element is held only its rectangle of the window is drawn and repainted.
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
    // Wheel steps while an element is held: away from the player (positive) turn it
    // clockwise, towards the player counter-clockwise.
    void WheelTurned(PixelPoint point, int steps);
    // Keyboard play: Tab and Backtab choose an element, the arrows move it a cell, Space turns
    // and Shift+Space mirrors it, Return drops it and Escape or Delete send it home. False for
    // any other key.
    bool KeyPressed(int key, bool shift);

    // Puts the puzzle as in the background, with every placed element but `skipped`, into
    // the puzzle area image.
    void ComposePuzzleArea(int skipped);
    // Takes a placed element off the puzzle and draws it in its base box.
    void SendHome(int index);
    // Ends holding an element without a drop, as when the board changes under the hand; the
    // caller redraws what the element covered.
    void CancelDrag();
    // A new puzzle on the board: no element is chosen.
    void ForgetChoice();
    // Draws an element in its base box on the window and shows the box.
    void DrawAtHome(Element& element);
    // Draws an element where it is on the window and shows it.
    void DrawInPlace(const Element& element);
    // Shows the focus frame around the element chosen by the keyboard, where it is now.
    void ShowChoice();
    // A shape's box with its right and bottom border line.
    static PixelRect CopyRect(const CellShape& shape);

    // Whether an element is held, by the mouse or by the keys.
    bool Dragging() const { return heldIndex >= 0; }
    bool HeldByKeys() const { return Dragging() && !heldByMouse; }
    // After the window was composed without the held element: draws it over the board again.
    void RedrawHeld();
    int DraggedIndex() const { return heldIndex; }
    // The element the keys act on, -1 before the first Tab.
    int Chosen() const { return chosen; }

  private:
    // Lifts the element into the hand: what lies under it is kept, a placed one frees its cells.
    void Hold(int index);
    void MoveHeldTo(PixelPoint corner);
    void TurnHeld(TransformKind kind, std::optional<PixelPoint> pivot);
    // The held element goes where a drop puts it, or home without a drop.
    void Drop();
    void PutHeldHome();
    // A mouse button on the canvas drops what the keys hold, as Return would.
    void DropKeyHold();
    // An element at home turned or mirrored in its box, as one move.
    void TransformAtHome(int index, TransformKind kind);
    void RestoreUnderElement(const Element& element);
    void Choose(int step);
    ImageSurface& Window();

    PlaySession& session;
    PlayCanvas& canvas;
    const ImageSurface& backgroundImage;
    std::function<void()> solved;
    PixelPoint pressPoint{0, 0};
    PixelPoint lastDragPoint{kPictureWidth, kPictureHeight};
    PixelPoint grabOffset{0, 0};
    int heldIndex = -1;
    bool heldByMouse = false;
    int chosen = -1;
    int wheelRest = 0;
    BoardState moveStart{};
    ImageSurface underElementImage{kUnderElementSide, kUnderElementSide};
    ImageSurface puzzleAreaImage{kPuzzleAreaSide, kPuzzleAreaSide};
};

}  // namespace tessellix
