#include <QtTest>
#include <set>

#include "model/element_set.h"

namespace tessellix {

class ElementSetTest : public QObject {
    Q_OBJECT
  private slots:
    void everyElementRestsAtItsHome_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QRect>("box");
        QTest::addColumn<QPoint>("home");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QColor>("fill");
        const auto row = [](int i, QRect box, QPoint home, QSize size, QColor fill) {
            QTest::addRow("element %d", i) << i << box << home << size << fill;
        };
        row(0, {15, 75, 75, 75}, {45, 75}, {15, 75}, QColor(255, 0, 0));
        row(1, {15, 165, 60, 60}, {30, 165}, {30, 60}, QColor(0, 255, 0));
        row(2, {15, 240, 60, 60}, {30, 240}, {30, 60}, QColor(0, 0, 255));
        row(3, {15, 315, 60, 60}, {30, 315}, {30, 60}, QColor(255, 255, 0));
        row(4, {15, 15, 45, 45}, {15, 15}, {45, 45}, QColor(255, 0, 255));
        row(5, {90, 15, 45, 45}, {90, 15}, {45, 45}, QColor(0, 255, 255));
        row(6, {165, 15, 45, 45}, {165, 15}, {45, 45}, QColor(192, 0, 0));
        row(7, {240, 15, 45, 45}, {240, 15}, {45, 45}, QColor(0, 192, 0));
        row(8, {315, 15, 45, 45}, {315, 15}, {45, 45}, QColor(0, 0, 192));
        row(9, {390, 15, 45, 45}, {397, 15}, {30, 45}, QColor(192, 0, 192));
        row(10, {465, 15, 45, 45}, {465, 15}, {45, 45}, QColor(192, 192, 0));
        row(11, {540, 15, 45, 45}, {547, 15}, {30, 45}, QColor(0, 192, 192));
    }
    void everyElementRestsAtItsHome() {
        QFETCH(int, index);
        QFETCH(QRect, box);
        QFETCH(QPoint, home);
        QFETCH(QSize, size);
        QFETCH(QColor, fill);
        const ElementSet set;
        const Element& element = set[index];
        QCOMPARE(element.id, index);
        QCOMPARE(QRect(element.baseX, element.baseY, element.boxWidth, element.boxHeight), box);
        QCOMPARE(QPoint(element.x, element.y), home);
        QCOMPARE(QPoint(element.homeX, element.homeY), home);
        QCOMPARE(QSize(element.width, element.height), size);
        QCOMPARE(QColor(element.fillColour.red, element.fillColour.green, element.fillColour.blue),
                 fill);
        QCOMPARE(element.penColour, (Rgb{0, 0, 0}));
        QCOMPARE(element.excluded, 0);
        QCOMPARE(element.solutionColumn, -1);
        QCOMPARE(element.solutionRotation, -1);
        QCOMPARE(element.outline.size(), index == 11 ? 10u : 12u);
        int cells = 0;
        for (int value : element.cells) {
            cells += value;
        }
        QCOMPARE(cells, 5);
        const PixelRect grown = element.GetBoxRect();
        QCOMPARE(QRect(QPoint(grown.left, grown.top), QPoint(grown.right - 1, grown.bottom - 1)),
                 box.adjusted(-1, -1, 1, 1));
    }

    void baseBoxesDoNotOverlap() {
        const ElementSet set;
        for (int a = 0; a < ElementSet::kCount; ++a) {
            for (int b = a + 1; b < ElementSet::kCount; ++b) {
                const QRect boxA(set[a].baseX, set[a].baseY, set[a].boxWidth, set[a].boxHeight);
                const QRect boxB(set[b].baseX, set[b].baseY, set[b].boxWidth, set[b].boxHeight);
                QVERIFY2(!boxA.intersects(boxB), qPrintable(QString("%1 and %2").arg(a).arg(b)));
            }
        }
    }

    void theTwelveShapesAreDistinctUnderTurnsAndMirrors() {
        ElementSet set;
        std::set<std::vector<int>> seen;
        for (Element& element : set) {
            std::set<std::vector<int>> own;
            for (int m = 0; m < 2; ++m) {
                for (int r = 0; r < 4; ++r) {
                    own.insert(element.cells);
                    element.Transform(TurnClockwise);
                }
                element.Transform(Mirror);
            }
            for (const auto& matrix : own) {
                QVERIFY(seen.insert(matrix).second);
            }
        }
        QCOMPARE(seen.size(), 63u);  // the number of fixed pentominoes
    }
};

}  // namespace tessellix

QTEST_GUILESS_MAIN(tessellix::ElementSetTest)
#include "test_element_set.moc"
