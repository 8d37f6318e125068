#include "model/element_look.h"

#include <cmath>

#include "model/cell_shape.h"

namespace tessellix {

namespace {

constexpr Rgb kWhite{255, 255, 255};

double LinearChannel(std::uint8_t value) {
    const double encoded = value / 255.0;
    return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

}  // namespace

Rgb LetterColourOn(Rgb fill) {
    const double luminance = 0.2126 * LinearChannel(fill.red) + 0.7152 * LinearChannel(fill.green) +
                             0.0722 * LinearChannel(fill.blue);
    // Equal contrast ratios, (L + 0.05) / 0.05 against black and 1.05 / (L + 0.05) against
    // white, meet where (L + 0.05)^2 = 1.05 * 0.05.
    return (luminance + 0.05) * (luminance + 0.05) > 1.05 * 0.05 ? kBlack : kWhite;
}

}  // namespace tessellix
