#pragma once

#include <cstdint>
#include <optional>

#include "library/bilingual_text.h"
#include "model/editor_session.h"
#include "model/play_session.h"
#include "platform/image_surface.h"
#include "platform/pixel_view.h"

namespace tessellix {

// The puzzle editor's drawing window, a child over the whole 600 x 400 canvas. It draws the
// editor session and turns the mouse into its calls: the left button fills canvas cells and
// chooses elements, the right button empties cells. Everything is drawn into the back buffer
// first; the screen gets only what changed.
class EditorWindow : public PixelView {
    Q_OBJECT
  public:
    enum MouseMode { NoStroke, FillStroke, EraseStroke };

    // A new drawing over the play session's library, whose position is the puzzle being solved;
    // `library` is the session's own.
    EditorWindow(PuzzleLibrary& library, PlaySession& play, QWidget* parent);

    EditorSession& Session() { return session; }
    const EditorSession& Session() const { return session; }
    // Opens the library puzzle at position, as the session does, and shows it; the failure of a
    // file that gives no puzzle, which opens all the same.
    [[nodiscard]] std::optional<Failure> OpenPuzzle(int position);

    const ImageSurface& BackBuffer() const { return backBuffer; }
    MouseMode Mode() const { return mouseMode; }

    // A count of the drawing's distinct solutions in words, shown beside the cell counter until
    // the drawing changes; empty while none is shown.
    void ShowSolutionCount(const BilingualText& text, std::uint64_t distinct);
    const BilingualText& SolutionCount() const { return solutionCount; }
    // The count shown, while one is.
    std::optional<std::uint64_t> ShownSolutions() const { return shownSolutions; }
    // Where the count stands in the picture; empty while none is shown.
    PixelRect SolutionCountRect() const { return countRect; }

  protected:
    const QImage& Picture() const override { return backBuffer.Image(); }
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // Keys stop here: the play canvas under the editor must not move its elements.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void DrawBackground();
    void DrawCell(EditorSession::CanvasCell cell);
    void DrawCounter();
    // The puzzle's name, and the solution count when there is one, left of the cell counter.
    void DrawTitleLine(bool withComment);
    void DropSolutionCount();
    void ApplyStroke(PixelPoint point);
    void ToggleElement(int index);
    void DrawCross(const Element& element);
    void ButtonDown(Qt::MouseButton button, PixelPoint point);
    void ShowCursorFor(PixelPoint point);

    EditorSession session;
    PixelRect counterRect;
    PixelRect titleRect;  // the title line left of the counter's label
    PixelRect countRect;
    BilingualText solutionCount;
    std::optional<std::uint64_t> shownSolutions;
    ImageSurface backBuffer{kWidth, kHeight};
    MouseMode mouseMode = NoStroke;
};

}  // namespace tessellix
