#pragma once

#include <QObject>

#include "library/bilingual_text.h"
#include "model/board_frame.h"
#include "model/board_input.h"
#include "model/play_session.h"
#include "platform/image_surface.h"
#include "platform/pixel_view.h"
#include "play/board_aids.h"
#include "play/board_drawing.h"

namespace tessellix {

class PlayCanvas;

// The play board on screen: the session's puzzle and elements drawn on the canvas over the
// static background picture, the player's mouse and keys carried to the session, and the play
// commands' moves drawn once the session has made them.
class BoardView : public QObject {
    Q_OBJECT
  public:
    // Starts the session on the library's current puzzle and shows it on the canvas.
    BoardView(PuzzleLibrary& library, PlayCanvas& canvas, QObject* parent = nullptr);

    PlaySession& Session() { return session; }
    const PlaySession& Session() const { return session; }
    PlayCanvas& Canvas() { return canvas; }
    BoardInput& Input() { return input; }
    const BoardDrawing& Drawing() const { return drawing; }
    ImageSurface& BackgroundImage() { return backgroundImage; }
    ImageSurface& WindowSurface();

    // Carries out on the canvas what an input did: holds or lets go of the mouse as told, marks
    // a mistaken drop when mistakes are shown, draws what changed, and then says when the drop
    // solved the puzzle.
    void Apply(const InputOutcome& outcome);
    // Redraws the static picture: bands, bevel, puzzle and title, never an element.
    void ComposeBackground();
    // Composes the whole window from the background and the used elements and has it shown; while
    // the mouse holds an element, the background alone, as the next move draws over it.
    void Paint();
    // The puzzle's title in the current language; nothing else of the picture changes.
    void RedrawTitle();

    // Shows the library puzzle at index with every element home in its base orientation. A
    // failure, the board unchanged, when index designates no record or its file gives no
    // puzzle.
    [[nodiscard]] std::optional<Failure> SwitchToPuzzle(int index);
    void ResetBoard();
    void ShowHint(int option, int count);
    // The element in the hand goes home, as before leaving the board for the editor.
    void PutHeldHome();
    // The board aids, drawn: the marks they set stay until the next move. A hint from here that
    // covers the last free cell solves the puzzle at once.
    BoardCheck CheckBoard();
    BoardHint HintFromHere();
    std::optional<ExplainedStep> ExplainStep();
    // An explained step's forced placement set on the board: one move, and a hint, as a hint from
    // here is. False, nothing changed, when it no longer fits.
    bool PlaceExplained(const PlacedElement& placed);
    // Whether each drop that leaves the board unfinishable marks the element dropped.
    void SetShowMistakes(bool shown) { showMistakes = shown; }
    bool ShowsMistakes() const { return showMistakes; }
    // The elements' fills and letters, redrawn at once wherever the elements are.
    void SetElementLook(const ElementLook& look);
    const ElementLook& Look() const { return session.Elements().Look(); }
    // A kept board put back on the fresh board of its puzzle; why not, for one that does not fit.
    [[nodiscard]] std::optional<Failure> RestoreKeptBoard(const KeptBoard& kept);
    // False, and nothing changed, when there is nothing to undo or redo.
    bool Undo();
    bool Redo();

    // Has a screen reader say what a command did that the board's own names do not tell, as
    // when an element fits nowhere.
    void Announce(const BilingualText& text) { emit announced(text); }

  signals:
    // A drop or a hint from here covered the last free cell.
    void solved();
    void announced(const BilingualText& text);
    // The board, its puzzle or the language changed, so what a reader names may have: by the
    // outcome of an input, or with none for a command, a new puzzle or the language.
    void changed(const InputOutcome& outcome);

  private:
    // Draws what the session's last moves changed; the mouse is let go once the hand is empty.
    void Changed();
    void LetGoOfMouse();

    PlaySession session;
    PlayCanvas& canvas;
    ImageSurface backgroundImage{PixelView::kWidth, PixelView::kHeight};
    BoardDrawing drawing;
    BoardAids aids{session};
    bool showMistakes = false;
    BoardInput input{session};
};

}  // namespace tessellix
