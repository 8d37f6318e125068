#pragma once

#include "model/board_key.h"
#include "model/input_outcome.h"
#include "model/play_session.h"

namespace tessellix {

// The player's mouse and keys on the play canvas, read without any window and turned into the
// session's moves. Press, drag and release pick, carry and drop an element; a click turns one
// at home, a right-release mirrors one at home, a double-click sends a placed one home; the
// wheel turns the element in the hand; the keys choose, move, turn and drop. A mouse button
// first drops what the keys hold, and the keys leave alone what the mouse holds.
// Points are in canvas pixels; each call answers what it did.
class BoardInput {
  public:
    explicit BoardInput(PlaySession& session);

    // Ignored while the mouse holds; otherwise picks the used element on a cell under point.
    InputOutcome LeftPressed(PixelPoint point);
    // Carries the element that the mouse holds; nothing otherwise.
    InputOutcome PointerMoved(PixelPoint point);
    // Drops what the mouse holds; then, released where it was pressed, turns the element at
    // home whose box holds point.
    InputOutcome LeftReleased(PixelPoint point);
    // Arrives in place of a double-click's second press: picks an element at home as a press
    // would, and sends a placed one home.
    InputOutcome LeftDoubleClicked(PixelPoint point);
    // Mirrors the element at home whose box holds point, also the one pressed and not yet moved,
    // whatever the mouse holds.
    InputOutcome RightReleased(PixelPoint point);
    // Eighths of a degree, positive away from the player.
    InputOutcome WheelTurned(int eighthsOfDegree);
    // While the mouse holds, only Space and Shift+Space are taken: they turn and mirror the held
    // element; every other key is refused.
    InputOutcome KeyPressed(BoardKey key);
    // Ctrl+Right (step 1) and Ctrl+Left (-1): the chosen element goes to its next or previous
    // place where it fits (PlaySession::JumpChosen), the keys holding it there; with none chosen
    // yet, Tab's choice comes first. Refused while the mouse holds. Where the element fits
    // nowhere, nothing moves and the answer has no Moved.
    InputOutcome PlaceJumped(int step);

  private:
    // What the keys hold is dropped, as Return would. False when that solved the puzzle: the
    // input then does nothing more, so the solved board is the one the solved sequence sees.
    bool DropKeyHold(InputOutcome& outcome);
    void Dropped(PlaySession::DropResult result, int index, InputOutcome& outcome);
    void Press(PixelPoint point, InputOutcome& outcome);
    void ChosenMoved(int columns, int rows, InputOutcome& outcome);
    void ChosenTransformed(TransformKind kind, InputOutcome& outcome);
    void ChosenSentHome(InputOutcome& outcome);

    PlaySession& session;
    PixelPoint pressPoint{0, 0};
    PixelPoint lastDragPoint{kPictureWidth, kPictureHeight};
};

}  // namespace tessellix
