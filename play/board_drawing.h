#pragma once

#include <array>
#include <optional>

#include "model/play_session.h"
#include "platform/image_surface.h"

namespace tessellix {

class PlayCanvas;

// Keeps the canvas showing what a full composition of the board draws: the background picture,
// every used element in index order, the marks, and the held one over them. After a move it
// composes again only the rectangles of the elements whose place, orientation or layer changed, and
// of marks that came or went, so a drag never repaints the board, and no picture is ever kept
// from before the move.
class BoardDrawing {
  public:
    BoardDrawing(const PlaySession& session, const ImageSurface& background, PlayCanvas& canvas);

    // A shape's box with its right and bottom border line.
    static PixelRect CopyRect(const CellShape& shape);

    // The composition of rect, drawn into target at the same place.
    void Compose(ImageSurface& target, const PixelRect& rect) const;
    // Composes the whole canvas and has it shown.
    void ComposeAll();
    // Shows the background alone, as a paint during a mouse drag does; the next change draws
    // the elements it touches again.
    void ShowBackgroundOnly();
    // Composes again what the session changed since the last drawing, and places the focus
    // frame of the keys' choice.
    void Update();

  private:
    // What an element looks like on the canvas; equal looks need no drawing.
    struct Look {
        bool shown = false;
        PixelRect rect;
        int orientation = 0;
        bool held = false;
        bool marked = false;
        friend bool operator==(const Look&, const Look&) = default;
    };
    Look LookOf(int index) const;
    // Where the puzzle's matrix, on which an explained step's marks stand, begins.
    PixelPoint PuzzleOrigin() const;
    void ShowChoice();

    const PlaySession& session;
    const ImageSurface& background;
    PlayCanvas& canvas;
    std::array<Look, ElementSet::kCount> drawn{};
    StepMarks drawnStep;
};

}  // namespace tessellix
