#pragma once

// Pixel helpers shared by the tests that read pictures.

#include <QImage>
#include <QRegion>

#include "model/draw_surface.h"

namespace tessellix {

inline QRgb Q(Rgb colour) {
    return qRgb(colour.red, colour.green, colour.blue);
}

inline QRgb Grey(int level) {
    return qRgb(level, level, level);
}

// The pixels where two pictures of one size differ.
inline QRegion Changed(const QImage& before, const QImage& after) {
    QRegion region;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            if (before.pixel(x, y) != after.pixel(x, y)) {
                region += QRect(x, y, 1, 1);
            }
        }
    }
    return region;
}

}  // namespace tessellix
