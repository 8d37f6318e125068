#pragma once

#include "model/draw_surface.h"

namespace tessellix {

// The frame around the board that the play canvas and the editor share: two grey bands that
// hold the elements' base boxes, top and left, and a bevel where they meet the board.

inline constexpr Rgb kBoardGrey{192, 192, 192};
inline constexpr Rgb kBandGrey{128, 128, 128};
// The bands leave the last column above the bevel and the last row left of it in the board's
// grey.
inline constexpr PixelRect kTopBand{0, 0, kPictureWidth - 1, 75};
inline constexpr PixelRect kLeftBand{0, 0, 105, kPictureHeight - 1};

// Fills dc's whole picture with the board's grey and draws the bands and the five bevel lines,
// which end at `bevelEnd` (excluded): (599, 399) on the play canvas, (600, 400) in the editor.
void DrawBoardFrame(DrawSurface& dc, PixelPoint bevelEnd);

}  // namespace tessellix
