// The dashed marks of an explained step, read from the pixels they leave on a grey surface.

#include <QtTest>

#include "model/step_marks.h"
#include "platform/image_surface.h"
#include "tests/pixels.h"

namespace tessellix {

namespace {

using Picture = std::vector<std::string>;

constexpr Rgb kGrey{128, 128, 128};
constexpr PixelPoint kOrigin{30, 20};

// 'f' a framed cell, 'o' an outlined one, 'b' both, '.' neither.
StepMarks MarksOf(const Picture& picture) {
    StepMarks marks;
    for (int row = 0; row < int(picture.size()); ++row) {
        for (int column = 0; column < int(picture[row].size()); ++column) {
            const char cell = picture[row][column];
            if (cell == 'f' || cell == 'b') {
                marks.framed.push_back({column, row});
            }
            if (cell == 'o' || cell == 'b') {
                marks.outlined.push_back({column, row});
            }
        }
    }
    return marks;
}

}  // namespace

class StepMarksTest : public QObject {
    Q_OBJECT
  private slots:
    // Points are pixels from the matrix's corner; cells are 15 pixels, sharing their border line.
    void marksAreDashesThatColourDoesNotCarryAlone_data() {
        QTest::addColumn<Picture>("cells");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QRgb>("colour");
        const Picture cell{"...", ".f."};
        const QRgb red = qRgb(255, 0, 0);
        const QRgb white = Grey(255);
        const QRgb untouched = Q(kGrey);
        QTest::newRow("a framed cell's border line starts with a red dash")
            << cell << QPoint(15, 15) << red;
        QTest::newRow("white between the dashes, three pixels of five red")
            << cell << QPoint(18, 15) << white;
        QTest::newRow("the frame is two pixels deep") << cell << QPoint(16, 22) << red;
        QTest::newRow("and on the far side too") << cell << QPoint(29, 22) << red;
        QTest::newRow("inside the frame nothing is drawn") << cell << QPoint(22, 22) << untouched;
        QTest::newRow("a region is framed round its edge, not between its cells")
            << Picture{"ff"} << QPoint(15, 7) << untouched;
        QTest::newRow("a placement is outlined three pixels inside its edge")
            << Picture{"ooooo"} << QPoint(5, 3) << qRgb(0, 0, 0);
        QTest::newRow("its gaps leave the cells as they are")
            << Picture{"ooooo"} << QPoint(8, 3) << untouched;
        QTest::newRow("the outline is not at the edge")
            << Picture{"ooooo"} << QPoint(5, 0) << untouched;
        QTest::newRow("the outline turns an inner corner square")
            << Picture{"o.", "o.", "oo"} << QPoint(12, 32) << qRgb(0, 0, 0);
        // The outline's dash at x 15 would be black; the frame's gap there is white.
        QTest::newRow("where the frame crosses the outline, the frame is drawn")
            << Picture{"boooo"} << QPoint(15, 3) << white;
    }
    void marksAreDashesThatColourDoesNotCarryAlone() {
        QFETCH(Picture, cells);
        QFETCH(QPoint, point);
        const StepMarks marks = MarksOf(cells);
        ImageSurface surface(200, 150);
        surface.FillRect({0, 0, 200, 150}, kGrey);
        marks.Draw(surface, kOrigin);
        QTEST(surface.Image().pixel(kOrigin.x + point.x(), kOrigin.y + point.y()), "colour");
        // Nothing is drawn outside the rectangle that a redraw composes again.
        const PixelRect bounds = marks.Bounds(kOrigin);
        const QRect kept(bounds.left, bounds.top, bounds.Width(), bounds.Height());
        QImage blank(surface.Image().size(), surface.Image().format());
        blank.fill(Q(kGrey));
        QVERIFY(kept.contains(Changed(blank, surface.Image()).boundingRect()));
    }
};

}  // namespace tessellix

QTEST_MAIN(tessellix::StepMarksTest)
#include "test_step_marks.moc"
