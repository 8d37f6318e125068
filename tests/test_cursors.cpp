#include <QBitmap>
#include <QtTest>

#include "platform/cursors.h"

namespace tessellix {

class CursorsTest : public QObject {
    Q_OBJECT
  private slots:
    void cursorsAre32PixelPicturesWithTheirHotSpots_data() {
        QTest::addColumn<QCursor>("cursor");
        QTest::addColumn<QPoint>("hotSpot");
        QTest::newRow("pencil") << PencilCursor() << QPoint(4, 4);
        QTest::newRow("hand") << HandCursor() << QPoint(7, 1);
    }
    void cursorsAre32PixelPicturesWithTheirHotSpots() {
        QFETCH(QCursor, cursor);
        QFETCH(QPoint, hotSpot);
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        QCOMPARE(cursor.hotSpot(), hotSpot);
        const QImage picture = cursor.pixmap().toImage();
        QCOMPARE(picture.size(), QSize(32, 32));

        // The hot spot is on the drawn point or finger tip, and the rest around it shows
        // through: the picture is black and white on a transparent ground.
        QCOMPARE(qAlpha(picture.pixel(hotSpot)), 255);
        QCOMPARE(picture.pixel(hotSpot) & 0xffffff, 0u);
        QCOMPARE(qAlpha(picture.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(picture.pixel(31, 31)), 0);
        int drawn = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QRgb pixel = picture.pixel(x, y);
                if (qAlpha(pixel) == 0) {
                    continue;
                }
                ++drawn;
                QVERIFY(qAlpha(pixel) == 255);
                QVERIFY((pixel & 0xffffff) == 0 || (pixel & 0xffffff) == 0xffffff);
            }
        }
        QVERIFY2(drawn > 60, qPrintable(QString::number(drawn)));
    }
};

}  // namespace tessellix

QTEST_MAIN(tessellix::CursorsTest)
#include "test_cursors.moc"
