#pragma once

#include <QObject>

#include "model/board_frame.h"
#include "model/play_session.h"
#include "platform/image_surface.h"
#include "platform/pixel_view.h"
#include "play/moving_elements.h"

namespace tessellix {

class PlayCanvas;

// The play board on screen: the session's puzzle and elements drawn on the canvas, the static
// background picture behind them, and the player's mouse carried to the session.
class BoardView : public QObject {
    Q_OBJECT
  public:
    // Starts the session on the library's current puzzle and shows it on the canvas.
    BoardView(PuzzleLibrary& library, PlayCanvas& canvas, QObject* parent = nullptr);

    PlaySession& Session() { return session; }
    PlayCanvas& Canvas() { return canvas; }
    MovingElements& Moving() { return moving; }
    ImageSurface& BackgroundImage() { return backgroundImage; }
    ImageSurface& WindowSurface();

    // Redraws the static picture: bands, bevel, puzzle and title, never an element.
    void ComposeBackground();
    // Recomposes the whole window from the background and the used elements (none during a
    // drag) and has it shown again.
    void Paint();
    // The puzzle's title in the current language; nothing else of the picture changes.
    void RedrawTitle();

    // Shows the library puzzle at index with every element home in its base orientation. A
    // failure, the board unchanged, when index designates no record or its file gives no
    // puzzle.
    [[nodiscard]] std::optional<Failure> SwitchToPuzzle(int index);
    // Every placed element goes home in the orientation it has; only the puzzle and the
    // boxes of those elements are drawn again. One move.
    void ResetBoard();
    // Replays the stored solution on a reset board: option 0 turns every used element into
    // its solution orientation in its box; option 1 sets the first `count` used elements
    // onto the puzzle at their solution places. The solved test is not made. One move.
    void ShowHint(int option, int count);
    // The board before the last move, or after the last move undone; the whole window is
    // composed again. False, and nothing changed, when there is none.
    bool Undo();
    bool Redo();

  signals:
    // A drop covered the last free cell.
    void solved();

  private:
    void SendAllHome();

    PlaySession session;
    PlayCanvas& canvas;
    ImageSurface backgroundImage{PixelView::kWidth, PixelView::kHeight};
    MovingElements moving;
};

}  // namespace tessellix
