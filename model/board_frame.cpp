#include "model/board_frame.h"

#include <cstdint>

namespace tessellix {

namespace {

// Grey levels of the five bevel lines, outermost first.
constexpr int kBevelLevels[5] = {224, 255, 192, 128, 0};
constexpr int kBevelLeft = 100;
constexpr int kBevelTop = 70;

}  // namespace

void DrawBoardFrame(DrawSurface& dc, PixelPoint bevelEnd) {
    dc.FillRect({0, 0, kPictureWidth, kPictureHeight}, kBoardGrey);
    dc.FillRect(kTopBand, kBandGrey);
    dc.FillRect(kLeftBand, kBandGrey);
    for (int k = 0; k < 5; ++k) {
        const auto level = static_cast<std::uint8_t>(kBevelLevels[k]);
        const Rgb colour{level, level, level};
        const PixelPoint corner{kBevelLeft + k, kBevelTop + k};
        dc.Line(corner, {corner.x, bevelEnd.y}, colour, 1);
        dc.Line(corner, {bevelEnd.x, corner.y}, colour, 1);
    }
}

}  // namespace tessellix
