#include <QtTest>

#include "play/main_window.h"

namespace {

QRgb Grey(int level) {
    return qRgb(level, level, level);
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void backgroundHasBandsBevelAndBoard_data() {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("level");
        QTest::newRow("top band") << QPoint(300, 10) << 128;
        QTest::newRow("top band's last column") << QPoint(598, 69) << 128;
        QTest::newRow("column x = 599 above the bevel") << QPoint(599, 0) << 192;
        QTest::newRow("column x = 599 at y = 69") << QPoint(599, 69) << 192;
        QTest::newRow("left band") << QPoint(50, 398) << 128;
        QTest::newRow("row y = 399 left of the bevel") << QPoint(0, 399) << 192;
        QTest::newRow("row y = 399 at x = 99") << QPoint(99, 399) << 192;
        QTest::newRow("bevel line 0, vertical") << QPoint(100, 300) << 224;
        QTest::newRow("bevel line 1, vertical") << QPoint(101, 398) << 255;
        QTest::newRow("bevel lines end above y = 399") << QPoint(101, 399) << 192;
        QTest::newRow("bevel line 2, vertical") << QPoint(102, 300) << 192;
        QTest::newRow("bevel line 3, vertical") << QPoint(103, 300) << 128;
        QTest::newRow("bevel line 4, vertical") << QPoint(104, 300) << 0;
        QTest::newRow("bevel line 0, horizontal") << QPoint(598, 70) << 224;
        QTest::newRow("bevel lines end left of x = 599") << QPoint(599, 70) << 192;
        QTest::newRow("bevel line 1, horizontal") << QPoint(400, 71) << 255;
        QTest::newRow("bevel line 2, horizontal") << QPoint(400, 72) << 192;
        QTest::newRow("bevel line 3, horizontal") << QPoint(400, 73) << 128;
        QTest::newRow("bevel line 4, horizontal") << QPoint(400, 74) << 0;
        QTest::newRow("bevel corner") << QPoint(100, 70) << 224;
        QTest::newRow("band corner left of the bevel") << QPoint(100, 69) << 128;
        QTest::newRow("board") << QPoint(110, 80) << 192;
        QTest::newRow("board corner") << QPoint(599, 399) << 192;
    }
    void backgroundHasBandsBevelAndBoard() {
        QFETCH(QPoint, point);
        QFETCH(int, level);
        MainWindow window;
        QCOMPARE(window.BackgroundImage().Image().pixel(point), Grey(level));
    }

    void canvasIsFixedAt600By400() {
        MainWindow window;
        QWidget* canvas = window.centralWidget();
        QCOMPARE(canvas->size(), QSize(600, 400));
        QCOMPARE(canvas->minimumSize(), QSize(600, 400));
        QCOMPARE(canvas->maximumSize(), QSize(600, 400));
    }

    void usedElementsAreDrawnAtHome() {
        MainWindow window;
        const QImage& shown = window.WindowSurface().Image();
        for (const Element& element : window.Elements()) {
            const Rgb fill = element.fillColour;
            for (int r = 0; r < element.side; ++r) {
                for (int c = 0; c < element.side; ++c) {
                    const QPoint centre(element.homeX + c * 15 + 7, element.homeY + r * 15 + 7);
                    const QRgb expected = element.Cell(r, c) == 1
                                              ? qRgb(fill.red, fill.green, fill.blue)
                                              : window.BackgroundImage().Image().pixel(centre);
                    QCOMPARE(shown.pixel(centre), expected);
                }
            }
            // The outline's top-left pixel is black where the element has a cell there.
            if (element.Cell(0, 0) == 1) {
                QCOMPARE(shown.pixel(element.homeX, element.homeY), qRgb(0, 0, 0));
            }
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
