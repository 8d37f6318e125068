// The fills as colour-blind players see them, as Machado, Oliveira and Fernandes (2009) simulate
// full deficiencies: sRGB to linear RGB, the deficiency's matrix, back to eight-bit sRGB as a
// screen shows it, then CIELAB under D65 and the CIE76 distance.

#include <QtTest>
#include <algorithm>
#include <array>
#include <cmath>

#include "model/board_frame.h"
#include "model/element_set.h"

namespace tessellix {

namespace {

using Triple = std::array<double, 3>;
using Matrix = std::array<Triple, 3>;

constexpr double kLeastDistance = 12.0;
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
// Linear RGB to XYZ, each row divided by the D65 white's X, Y or Z.
const Matrix kToWhiteRelativeXyz{{{0.4124 / 0.95047, 0.3576 / 0.95047, 0.1805 / 0.95047},
                                  {0.2126, 0.7152, 0.0722},
                                  {0.0193 / 1.08883, 0.1192 / 1.08883, 0.9505 / 1.08883}}};

Triple Times(const Matrix& m, const Triple& v) {
    Triple out{};
    for (int i = 0; i < 3; ++i) {
        out[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
    }
    return out;
}

Triple Linear(const Triple& bytes) {
    Triple out{};
    std::transform(bytes.begin(), bytes.end(), out.begin(), [](double byte) {
        const double c = byte / 255;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    });
    return out;
}

Triple SeenLab(const Matrix& vision, Rgb colour) {
    Triple shown =
        Times(vision, Linear({double(colour.red), double(colour.green), double(colour.blue)}));
    for (double& c : shown) {
        c = std::clamp(c, 0.0, 1.0);
        c = std::round(255 * (c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1 / 2.4) - 0.055));
    }
    Triple f = Times(kToWhiteRelativeXyz, Linear(shown));
    for (double& t : f) {
        constexpr double kDelta = 6.0 / 29;
        t = t > kDelta * kDelta * kDelta ? std::cbrt(t) : t / (3 * kDelta * kDelta) + 4.0 / 29;
    }
    return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

}  // namespace

}  // namespace tessellix

Q_DECLARE_METATYPE(tessellix::Matrix)

namespace tessellix {

class ElementLookTest : public QObject {
    Q_OBJECT
  private slots:
    // Each fill against every other, the bands' grey and a free cell's white. The described fills
    // fall short under every deficiency, so the measure can fail.
    void fillsStayApartUnderEachDeficiency_data() {
        QTest::addColumn<Matrix>("vision");
        QTest::addColumn<bool>("colourBlind");
        QTest::addColumn<bool>("apart");
        const std::pair<const char*, Matrix> visions[] = {{"normal vision", kNormal},
                                                          {"protanopia", kProtanopia},
                                                          {"deuteranopia", kDeuteranopia},
                                                          {"tritanopia", kTritanopia}};
        for (const auto& [name, vision] : visions) {
            QTest::addRow("colour-blind fills, %s", name) << vision << true << true;
            QTest::addRow("described fills, %s", name) << vision << false << (vision == kNormal);
        }
    }
    void fillsStayApartUnderEachDeficiency() {
        QFETCH(Matrix, vision);
        QFETCH(bool, colourBlind);
        QFETCH(bool, apart);
        const ElementLook look{colourBlind ? ElementPalette::ColourBlind
                                           : ElementPalette::Standard};
        double least = 1e9;
        QString closest;
        for (int a = 0; a < ElementSet::kCount; ++a) {
            std::vector<std::pair<QString, Rgb>> others{{"grey", kBandGrey},
                                                        {"white", {255, 255, 255}}};
            for (int b = a + 1; b < ElementSet::kCount; ++b) {
                others.emplace_back(QString(kElementLetters[b]), ElementFill(look, b));
            }
            for (const auto& [name, other] : others) {
                const Triple p = SeenLab(vision, ElementFill(look, a));
                const Triple q = SeenLab(vision, other);
                const double distance = std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
                if (distance < least) {
                    least = distance;
                    closest =
                        QString("%1 and %2: %3").arg(kElementLetters[a]).arg(name).arg(distance);
                }
            }
        }
        QVERIFY2((least >= kLeastDistance) == apart, qPrintable(closest));
    }
};

}  // namespace tessellix

QTEST_GUILESS_MAIN(tessellix::ElementLookTest)
#include "test_element_look.moc"
