#include <QTest>

#include "model/board_places.h"
#include "tests/ascii_grid.h"

Q_DECLARE_METATYPE(std::vector<std::string>)

namespace tessellix {

namespace {

// Each region as "size@row,column" of its first cell, counted on the puzzle's rectangle.
QString RegionsText(const std::vector<std::string>& picture) {
    const int n = 8;
    const std::vector<int> grid = AsciiGrid(picture, n, 1, 2);
    const BoardPlaces places(grid, n);
    QStringList regions;
    for (const std::vector<GridCell>& region : FreeRegions(grid, n)) {
        const BoardPlace first = *places.PlaceOf(region.front());
        regions << QString("%1@%2,%3").arg(region.size()).arg(first.row).arg(first.column);
    }
    return QString("%1x%2 ").arg(places.Rows()).arg(places.Columns()) + regions.join(' ');
}

}  // namespace

class TestBoardPlaces : public QObject {
    Q_OBJECT

  private slots:
    void regionsAreCountedFromTheRectanglesTopLeft_data() {
        QTest::addColumn<std::vector<std::string>>("picture");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one region") << std::vector<std::string>{"XXX", "XXX"} << "2x3 6@1,1";
        QTest::newRow("covered cells split and are no region")
            << std::vector<std::string>{"XoX", "XoX"} << "2x3 2@1,1 2@1,3";
        QTest::newRow("diagonal cells are apart")
            << std::vector<std::string>{"X.", ".X"} << "2x2 1@1,1 1@2,2";
        QTest::newRow("a region first seen below a corner cell")
            << std::vector<std::string>{"..o", "XXo", "X.X"} << "3x3 3@2,1 1@3,3";
        QTest::newRow("a region wrapping round another, ordered by first cell")
            << std::vector<std::string>{"oX", "XX", "oX"} << "3x2 4@1,2";
        QTest::newRow("all covered") << std::vector<std::string>{"oo"} << "1x2 ";
    }
    void regionsAreCountedFromTheRectanglesTopLeft() {
        QFETCH(std::vector<std::string>, picture);
        QFETCH(QString, expected);
        QCOMPARE(RegionsText(picture), expected);
    }

    void placesOutsideTheRectangleHaveNone() {
        const std::vector<int> grid = AsciiGrid({".X", "X."}, 6, 2, 3);
        const BoardPlaces places(grid, 6);
        QVERIFY(!places.PlaceOf({1, 3}));
        QVERIFY(!places.PlaceOf({2, 5}));
        QCOMPARE(places.PlaceOf({3, 4})->column, 2);
        QCOMPARE(places.CellAt({2, 1}), (GridCell{2, 4}));
    }

    void placeWordsInBothLanguages() {
        QCOMPARE(PlaceText({5, 9}), BilingualText("ряд 5, столбец 9", "row 5, column 9"));
        QCOMPARE(PlaceOfText({5, 9}), BilingualText("ряда 5, столбца 9", "row 5, column 9"));
    }

    void russianCountForms_data() {
        QTest::addColumn<qulonglong>("count");
        QTest::addColumn<QString>("form");
        for (qulonglong n : {1, 21, 101, 1001})
            QTest::addRow("%llu", n) << n << "клетка";
        for (qulonglong n : {2, 4, 22, 34, 102})
            QTest::addRow("%llu", n) << n << "клетки";
        for (qulonglong n : {0, 5, 11, 12, 14, 19, 20, 25, 111, 112})
            QTest::addRow("%llu", n) << n << "клеток";
    }
    void russianCountForms() {
        QFETCH(qulonglong, count);
        QFETCH(QString, form);
        QCOMPARE(QString(RussianCountForm(count, "клетка", "клетки", "клеток")), form);
    }
};

}  // namespace tessellix

QTEST_GUILESS_MAIN(tessellix::TestBoardPlaces)
#include "test_board_places.moc"
