#pragma once

#include <functional>

#include "model/play_session.h"

namespace tessellix {

class PlayCanvas;

// The player's mouse and keys on the play canvas, turned into the session's moves: press,
// drag and release pick, carry and drop an element; a click turns one at home, a right-click
// mirrors it, a double-click sends a placed one home; the wheel turns the element in the hand;
// the keys choose, move, turn and drop. After each drop `dropped` is told, after each move
// `changed` draws what it changed, and a drop that covers the last free cell calls `solved` once
// the mouse has been released.
class MovingElements {
  public:
    MovingElements(PlaySession& session, PlayCanvas& canvas, std::function<void()> changed,
                   std::function<void()> dropped, std::function<void()> solved);

    void LeftPressed(PixelPoint point);
    void PointerMoved(PixelPoint point);
    void LeftReleased(PixelPoint point);
    void LeftDoubleClicked(PixelPoint point);
    void RightReleased(PixelPoint point);
    void WheelTurned(int eighthsOfDegree);
    // Tab and Backtab choose an element, the arrows move it a cell, Space turns and Shift+Space
    // mirrors it, Return drops it and Escape or Delete send it home. False for any other key.
    bool KeyPressed(int key, bool shift);

  private:
    // Draws the drop and, when it solved the puzzle, starts the solved sequence.
    void Dropped(PlaySession::DropResult result);
    // A mouse button on the canvas drops what the keys hold, as Return would.
    void DropKeyHold();

    PlaySession& session;
    PlayCanvas& canvas;
    std::function<void()> changed;
    std::function<void()> dropped;
    std::function<void()> solved;
    PixelPoint pressPoint{0, 0};
    PixelPoint lastDragPoint{kPictureWidth, kPictureHeight};
};

}  // namespace tessellix
