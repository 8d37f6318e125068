// The fills as colour-blind players see them, measured as the simulation of Machado, Oliveira
// and Fernandes (2009) at full severity has it: sRGB to linear RGB, the deficiency's matrix, back
// to sRGB on eight bits as a screen shows it, then CIELAB under D65 and the CIE76 distance.

#include <QtTest>
#include <algorithm>
#include <array>
#include <cmath>

#include "model/board_frame.h"
#include "model/element_set.h"

namespace tessellix {

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;
using Lab = std::array<double, 3>;

constexpr double kLeastDistance = 12.0;
constexpr Rgb kFreeCellWhite{255, 255, 255};

const Matrix kNormal{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
const Matrix kProtanopia{{{0.152286, 1.052583, -0.204868},
                          {0.114503, 0.786281, 0.099216},
                          {-0.003882, -0.048116, 1.051998}}};
const Matrix kDeuteranopia{{{0.367322, 0.860646, -0.227968},
                            {0.280085, 0.672501, 0.047413},
                            {-0.011820, 0.042940, 0.968881}}};
const Matrix kTritanopia{{{1.255528, -0.076749, -0.178779},
                          {-0.078411, 0.930809, 0.147602},
                          {0.004733, 0.691367, 0.303900}}};

double ToLinear(double encoded) {
    return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

double ToEncoded(double linear) {
    linear = std::clamp(linear, 0.0, 1.0);
    return linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
}

std::array<double, 3> LinearOf(const std::array<double, 3>& bytes) {
    return {ToLinear(bytes[0] / 255), ToLinear(bytes[1] / 255), ToLinear(bytes[2] / 255)};
}

Lab LabOf(const std::array<double, 3>& bytes) {
    const auto [r, g, b] = LinearOf(bytes);
    // D65 white: X 0.95047, Y 1, Z 1.08883.
    const double xyz[3] = {(0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047,
                           0.2126 * r + 0.7152 * g + 0.0722 * b,
                           (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883};
    double f[3];
    for (int i = 0; i < 3; ++i) {
        constexpr double kDelta = 6.0 / 29;
        f[i] = xyz[i] > kDelta * kDelta * kDelta ? std::cbrt(xyz[i])
                                                 : xyz[i] / (3 * kDelta * kDelta) + 4.0 / 29;
    }
    return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

Lab SeenAs(const Matrix& vision, Rgb colour) {
    const std::array<double, 3> linear =
        LinearOf({double(colour.red), double(colour.green), double(colour.blue)});
    std::array<double, 3> shown{};
    for (int i = 0; i < 3; ++i) {
        const double mixed =
            vision[i][0] * linear[0] + vision[i][1] * linear[1] + vision[i][2] * linear[2];
        shown[i] = std::round(ToEncoded(mixed) * 255);
    }
    return LabOf(shown);
}

double Distance(const Lab& a, const Lab& b) {
    return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

}  // namespace

}  // namespace tessellix

Q_DECLARE_METATYPE(tessellix::Matrix)
Q_DECLARE_METATYPE(tessellix::Rgb)

namespace tessellix {

class ElementLookTest : public QObject {
    Q_OBJECT
  private slots:
    // The described fills fall below the bound for every deficiency, so the measure can fail.
    void fillsStayApartFromEachOtherAndTheBoard_data() {
        QTest::addColumn<Matrix>("vision");
        QTest::addColumn<int>("palette");
        QTest::addColumn<bool>("apart");
        const int blind = int(ElementPalette::ColourBlind);
        const int standard = int(ElementPalette::Standard);
        QTest::newRow("colour-blind fills, normal vision") << kNormal << blind << true;
        QTest::newRow("colour-blind fills, protanopia") << kProtanopia << blind << true;
        QTest::newRow("colour-blind fills, deuteranopia") << kDeuteranopia << blind << true;
        QTest::newRow("colour-blind fills, tritanopia") << kTritanopia << blind << true;
        QTest::newRow("described fills, normal vision") << kNormal << standard << true;
        QTest::newRow("described fills, protanopia") << kProtanopia << standard << false;
        QTest::newRow("described fills, deuteranopia") << kDeuteranopia << standard << false;
        QTest::newRow("described fills, tritanopia") << kTritanopia << standard << false;
    }
    void fillsStayApartFromEachOtherAndTheBoard() {
        QFETCH(Matrix, vision);
        QFETCH(int, palette);
        QFETCH(bool, apart);
        const ElementLook look{ElementPalette(palette), false};
        double least = 1e9;
        QString closest;
        const auto measure = [&](int element, Rgb other, const QString& name) {
            const double distance =
                Distance(SeenAs(vision, ElementFill(look, element)), SeenAs(vision, other));
            if (distance < least) {
                least = distance;
                closest = QString("%1 and %2: %3")
                              .arg(kElementLetters[element])
                              .arg(name)
                              .arg(distance, 0, 'f', 1);
            }
        };
        for (int a = 0; a < ElementSet::kCount; ++a) {
            for (int b = a + 1; b < ElementSet::kCount; ++b) {
                measure(a, ElementFill(look, b), QString(kElementLetters[b]));
            }
            measure(a, kBandGrey, "the bands' grey");
            measure(a, kFreeCellWhite, "a free cell");
        }
        QVERIFY2((least >= kLeastDistance) == apart, qPrintable(closest));
    }

    // Every letter reads at a contrast of at least 4.5 to 1 against its fill.
    void lettersStandOutFromEveryFill_data() {
        QTest::addColumn<Rgb>("fill");
        for (const ElementPalette palette :
             {ElementPalette::Standard, ElementPalette::ColourBlind}) {
            for (int element = 0; element < ElementSet::kCount; ++element) {
                const Rgb fill = ElementFill({palette, true}, element);
                QTest::addRow("%s fill %c",
                              palette == ElementPalette::Standard ? "described" : "colour-blind",
                              kElementLetters[element])
                    << fill;
            }
        }
    }
    void lettersStandOutFromEveryFill() {
        QFETCH(Rgb, fill);
        const auto luminance = [](Rgb colour) {
            const auto [r, g, b] =
                LinearOf({double(colour.red), double(colour.green), double(colour.blue)});
            return 0.2126 * r + 0.7152 * g + 0.0722 * b;
        };
        const double a = luminance(fill);
        const double b = luminance(LetterColourOn(fill));
        QVERIFY((std::max(a, b) + 0.05) / (std::min(a, b) + 0.05) >= 4.5);
    }
};

}  // namespace tessellix

QTEST_GUILESS_MAIN(tessellix::ElementLookTest)
#include "test_element_look.moc"
