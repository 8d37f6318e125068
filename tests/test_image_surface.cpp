#include <QtTest>

#include "platform/image_surface.h"
#include "tests/pixels.h"

namespace tessellix {

namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};

QRgb At(const ImageSurface& surface, int x, int y) {
    return surface.Image().pixel(x, y);
}

// Pixels of `surface` that differ from white, as a bounding rectangle.
QRect Painted(const ImageSurface& surface) {
    QRect bounds;
    for (int y = 0; y < surface.Image().height(); ++y) {
        for (int x = 0; x < surface.Image().width(); ++x) {
            if (At(surface, x, y) != Q(kWhite)) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

}  // namespace

class ImageSurfaceTest : public QObject {
    Q_OBJECT
  private slots:
    void borderedRectangleLeavesOutItsRightAndBottomEdge() {
        ImageSurface surface(20, 20);
        surface.FillRect({0, 0, 20, 20}, kWhite);
        surface.FrameRect({0, 0, 16, 16}, kRed, kBlue);
        QCOMPARE(Painted(surface), QRect(0, 0, 16, 16));
        QCOMPARE(At(surface, 0, 0), Q(kRed));
        QCOMPARE(At(surface, 15, 7), Q(kRed));
        QCOMPARE(At(surface, 7, 15), Q(kRed));
        QCOMPARE(At(surface, 1, 1), Q(kBlue));
        QCOMPARE(At(surface, 14, 14), Q(kBlue));
    }

    void lineLeavesOutItsEndPoint_data() {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QRect>("covered");
        QTest::newRow("rightward") << QPoint(5, 5) << QPoint(10, 5) << QRect(5, 5, 5, 1);
        QTest::newRow("leftward") << QPoint(10, 5) << QPoint(5, 5) << QRect(6, 5, 5, 1);
        QTest::newRow("downward") << QPoint(3, 2) << QPoint(3, 9) << QRect(3, 2, 1, 7);
        QTest::newRow("upward") << QPoint(3, 9) << QPoint(3, 2) << QRect(3, 3, 1, 7);
        QTest::newRow("clipped at the edge")
            << QPoint(15, 0) << QPoint(30, 0) << QRect(15, 0, 5, 1);
    }
    void lineLeavesOutItsEndPoint() {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QRect, covered);
        ImageSurface surface(20, 20);
        surface.FillRect({0, 0, 20, 20}, kWhite);
        surface.Line({from.x(), from.y()}, {to.x(), to.y()}, kRed, 1);
        QCOMPARE(Painted(surface), covered);
    }

    void copyIsClippedOnBothSides_data() {
        QTest::addColumn<QRect>("source");
        QTest::addColumn<QPoint>("dest");
        QTest::addColumn<QRect>("changed");
        QTest::newRow("inside") << QRect(2, 2, 4, 4) << QPoint(10, 10) << QRect(10, 10, 4, 4);
        QTest::newRow("destination past the right edge")
            << QRect(0, 0, 6, 6) << QPoint(17, 2) << QRect(17, 2, 3, 6);
        QTest::newRow("destination above the top")
            << QRect(0, 0, 6, 6) << QPoint(4, -4) << QRect(4, 0, 6, 2);
        QTest::newRow("source past its left edge")
            << QRect(-3, 0, 6, 6) << QPoint(0, 0) << QRect(3, 0, 3, 6);
        QTest::newRow("wholly outside") << QRect(0, 0, 6, 6) << QPoint(30, 30) << QRect();
    }
    void copyIsClippedOnBothSides() {
        QFETCH(QRect, source);
        QFETCH(QPoint, dest);
        QFETCH(QRect, changed);
        ImageSurface from(8, 8);
        from.FillRect({0, 0, 8, 8}, kBlue);
        ImageSurface to(20, 20);
        to.FillRect({0, 0, 20, 20}, kWhite);
        to.CopyFrom(from, {source.left(), source.top(), source.right() + 1, source.bottom() + 1},
                    {dest.x(), dest.y()});
        QCOMPARE(Painted(to), changed);
    }

    void textLineStaysInsideItsRectangle_data() {
        QTest::addColumn<int>("align");
        QTest::newRow("left") << int(TextAlign::Left);
        QTest::newRow("centred") << int(TextAlign::Centre);
        QTest::newRow("right") << int(TextAlign::Right);
    }
    void textLineStaysInsideItsRectangle() {
        QFETCH(int, align);
        ImageSurface surface(200, 40);
        surface.FillRect({0, 0, 200, 40}, kWhite);
        const FontSpec font{"Arial", 18, 600, false};
        surface.DrawTextLine({50, 5, 150, 35}, "Tessellix", font, kBlack, TextAlign(align));
        const QRect painted = Painted(surface);
        QVERIFY(!painted.isEmpty());
        QVERIFY(QRect(50, 5, 100, 30).contains(painted));
        // The margins left and right, and above and below, as the alignment says, give or take
        // the pixel or two that the letters' own side bearings leave.
        const int left = painted.left() - 50;
        const int right = 149 - painted.right();
        QVERIFY(qAbs((painted.top() - 5) - (34 - painted.bottom())) <= 4);
        switch (TextAlign(align)) {
            case TextAlign::Left:
                QVERIFY(left <= 2 && right > 10);
                break;
            case TextAlign::Right:
                QVERIFY(right <= 2 && left > 10);
                break;
            case TextAlign::Centre:
                QVERIFY(qAbs(left - right) <= 2);
                break;
        }
    }

    void measuredHeightFollowsTheFontCell_data() {
        QTest::addColumn<int>("height");
        QTest::newRow("18") << 18;
        QTest::newRow("12") << 12;
        QTest::newRow("10") << 10;
    }
    void measuredHeightFollowsTheFontCell() {
        QFETCH(int, height);
        ImageSurface surface(10, 10);
        const PixelSize size = surface.MeasureText("Puzzle", {"Arial", height, 400, false});
        QVERIFY(size.width > 0);
        QVERIFY2(qAbs(size.height - height) <= 1, qPrintable(QString::number(size.height)));
    }

    // The wrapped text's measure holds what DrawTextWrapped paints, and no line more.
    void wrappedTextFillsItsMeasure_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::newRow("one line") << "The puzzle has 4 solutions" << 300;
        QTest::newRow("two lines") << "The puzzle has 4 solutions" << 120;
        QTest::newRow("a word per line") << "Twelve five-cell elements" << 60;
    }
    void wrappedTextFillsItsMeasure() {
        QFETCH(QString, text);
        QFETCH(int, width);
        ImageSurface surface(400, 200);
        surface.FillRect({0, 0, 400, 200}, kWhite);
        const FontSpec font{"Arial", 16, 400, true};
        const PixelSize size = surface.MeasureWrappedText(text.toStdString(), font, width);
        surface.DrawTextWrapped({20, 10, 20 + width, 190}, text.toStdString(), font, kBlack);
        const QRect painted = Painted(surface);
        QVERIFY(QRect(20, 10, width, size.height).contains(painted));
        QVERIFY(painted.bottom() >= 10 + size.height - 16);
        QVERIFY(size.width <= width);
    }

  private:
    static constexpr Rgb kBlack{0, 0, 0};
};

}  // namespace tessellix

QTEST_MAIN(tessellix::ImageSurfaceTest)
#include "test_image_surface.moc"
