#pragma once

#include "model/draw_surface.h"

// The frame around the board that the play canvas and the editor share: two grey bands that
// hold the elements' base boxes, top and left, and a bevel where they meet the board.

inline constexpr Rgb kBoardGrey{192, 192, 192};
inline constexpr Rgb kBandGrey{128, 128, 128};
// The bands leave x 599 above the bevel and y 399 left of it in the board's grey.
inline constexpr PixelRect kTopBand{0, 0, 599, 75};
inline constexpr PixelRect kLeftBand{0, 0, 105, 399};

// Fills dc's 600 x 400 with the board's grey and draws the bands and the five bevel lines,
// which end at `bevelEnd` (excluded): (599, 399) on the play canvas, (600, 400) in the editor.
void DrawBoardFrame(DrawSurface& dc, PixelPoint bevelEnd);
