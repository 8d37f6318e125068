#include <QtTest>

#include "model/cell_shape.h"
#include "platform/image_surface.h"
#include "tests/ascii_grid.h"
#include "tests/pixels.h"

namespace tessellix {

using Picture = std::vector<std::string>;

}  // namespace tessellix

Q_DECLARE_METATYPE(tessellix::Picture)

namespace tessellix {

namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kGrey{128, 128, 128};
constexpr Rgb kYellow{255, 255, 0};

CellShape Make(const Picture& picture, int n, int column = 0, int row = 0) {
    CellShape shape;
    shape.Create(7, 0, 0, AsciiGrid(picture, n, column, row), n, kWhite, kGrey);
    return shape;
}

}  // namespace

class CellShapeTest : public QObject {
    Q_OBJECT
  private slots:
    void createCropsToTheBoundingSquare_data() {
        QTest::addColumn<Picture>("picture");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<Picture>("matrix");
        QTest::newRow("line of five in column 0")
            << Picture{"X", "X", "X", "X", "X"} << 5 << 0 << 0 << 15 << 75
            << Picture{"X....", "X....", "X....", "X....", "X...."};
        QTest::newRow("10 x 6 block away from the corner")
            << Picture(6, std::string(10, 'X')) << 31 << 12 << 3 << 150 << 90
            << Picture{"XXXXXXXXXX", "XXXXXXXXXX", "XXXXXXXXXX", "XXXXXXXXXX", "XXXXXXXXXX",
                       "XXXXXXXXXX", "..........", "..........", "..........", ".........."};
        QTest::newRow("tall shape at the right edge")
            << Picture{"X..", "XX.", "..X", "..X", "XXX", "X..", "X..", ".X.", "..X", "XXX"} << 31
            << 28 << 0 << 45 << 150
            << Picture{"X.........", "XX........", "..X.......", "..X.......", "XXX.......",
                       "X.........", "X.........", ".X........", "..X.......", "XXX......."};
        QTest::newRow("no cell at all") << Picture{} << 5 << 0 << 0 << 0 << 0 << Picture{};
    }
    void createCropsToTheBoundingSquare() {
        QFETCH(Picture, picture);
        QFETCH(int, n);
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(Picture, matrix);
        const CellShape shape = Make(picture, n, column, row);
        QCOMPARE(shape.width, width);
        QCOMPARE(shape.height, height);
        QCOMPARE(shape.side, static_cast<int>(matrix.size()));
        QCOMPARE(AsciiRows(shape), matrix);
    }

    void createStoresEveryCellAsOne() {
        std::vector<int> input(25, 0);
        input[6] = 2;
        input[7] = -5;
        CellShape shape;
        shape.Create(1, 2, 3, input, 5, kWhite, kGrey);
        QCOMPARE(shape.cells, (std::vector<int>{1, 1, 0, 0}));
        QCOMPARE(shape.x, 30);
        QCOMPARE(shape.y, 45);
    }

    void outlineHasOneSegmentPerOpenSide_data() {
        QTest::addColumn<Picture>("picture");
        QTest::addColumn<int>("segments");
        QTest::newRow("single cell") << Picture{"X"} << 4;
        QTest::newRow("two cells side by side") << Picture{"XX"} << 6;
        QTest::newRow("line of five") << Picture{"XXXXX"} << 12;
        QTest::newRow("2 x 2 square") << Picture{"XX", "XX"} << 8;
        QTest::newRow("ring around a hole") << Picture{"XXX", "X.X", "XXX"} << 16;
        QTest::newRow("diagonal cells") << Picture{"X.", ".X"} << 8;
    }
    void outlineHasOneSegmentPerOpenSide() {
        QFETCH(Picture, picture);
        QFETCH(int, segments);
        QCOMPARE(static_cast<int>(Make(picture, 5).outline.size()), segments);
    }

    void outlineFollowsTheBorderOfTheCells() {
        const CellShape shape = Make({"XX"}, 5);
        std::vector<OutlineSegment> expected{{0, 0, 15, 0},  {0, 0, 0, 15},   {0, 15, 15, 15},
                                             {15, 0, 30, 0}, {30, 0, 30, 15}, {15, 15, 30, 15}};
        auto actual = shape.outline;
        const auto less = [](const OutlineSegment& a, const OutlineSegment& b) {
            return std::tie(a.x0, a.y0, a.x1, a.y1) < std::tie(b.x0, b.y0, b.x1, b.y1);
        };
        std::sort(actual.begin(), actual.end(), less);
        std::sort(expected.begin(), expected.end(), less);
        QCOMPARE(actual, expected);
    }

    void neighbouringCellsShareTheirBorderLine() {
        CellShape shape = Make({"XX"}, 5);
        shape.fillColour = kYellow;
        ImageSurface surface(40, 20);
        surface.FillRect({0, 0, 40, 20}, kWhite);
        shape.Draw(surface, kCellSize, false);
        for (int y = 0; y <= 15; ++y) {
            QCOMPARE(surface.Image().pixel(0, y), Q(kGrey));
            QCOMPARE(surface.Image().pixel(15, y), Q(kGrey));
            QCOMPARE(surface.Image().pixel(30, y), Q(kGrey));
            QCOMPARE(surface.Image().pixel(31, y), Q(kWhite));
        }
        QCOMPARE(surface.Image().pixel(7, 7), Q(kYellow));
        QCOMPARE(surface.Image().pixel(22, 7), Q(kYellow));
        QCOMPARE(surface.Image().pixel(7, 16), Q(kWhite));
    }

    void coveredCellsAreNotPaintedButOutlined() {
        CellShape shape = Make({"XX"}, 5);
        shape.fillColour = kYellow;
        shape.SetCell(0, 1, 2);
        shape.BuildOutline();
        QCOMPARE(static_cast<int>(shape.outline.size()), 6);
        ImageSurface surface(40, 20);
        surface.FillRect({0, 0, 40, 20}, kWhite);
        shape.Draw(surface, kCellSize, true);
        QCOMPARE(surface.Image().pixel(7, 7), Q(kYellow));
        QCOMPARE(surface.Image().pixel(22, 7), Q(kWhite));
        QCOMPARE(surface.Image().pixel(22, 0), Q(kBlack));
        QCOMPARE(shape.HitTest({22, 7}, true), 7);
    }

    void outlineLeavesOutEachSegmentsEndPoint() {
        const CellShape shape = Make({"X"}, 5);
        ImageSurface surface(20, 20);
        surface.FillRect({0, 0, 20, 20}, kWhite);
        shape.Draw(surface, kCellSize, true);
        // Segments end at x = 15 and y = 15, so the far corner keeps the cell's grey border.
        QCOMPARE(surface.Image().pixel(0, 0), Q(kBlack));
        QCOMPARE(surface.Image().pixel(14, 0), Q(kBlack));
        QCOMPARE(surface.Image().pixel(15, 14), Q(kBlack));
        QCOMPARE(surface.Image().pixel(14, 15), Q(kBlack));
        QCOMPARE(surface.Image().pixel(15, 15), Q(kGrey));
        QCOMPARE(surface.Image().pixel(16, 16), Q(kWhite));
    }

    void scaledDrawingUsesItsOwnCellSize() {
        CellShape shape = Make({"XX", "X."}, 5);
        shape.SetGeometry(10, 10, 2 * 5, 2 * 5);
        ImageSurface surface(40, 40);
        surface.FillRect({0, 0, 40, 40}, kWhite);
        shape.Draw(surface, 5, false);
        QCOMPARE(surface.Image().pixel(10, 10), Q(kGrey));
        QCOMPARE(surface.Image().pixel(20, 15), Q(kGrey));
        QCOMPARE(surface.Image().pixel(21, 10), Q(kWhite));
        QCOMPARE(surface.Image().pixel(17, 17), Q(kWhite));
    }

    void hitTestIncludesLeftAndTopEdgesOnly_data() {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("onCell");
        QTest::addColumn<int>("expected");
        // An L of three cells at (30, 45): its box is 30..59 x 45..74.
        QTest::newRow("top-left corner") << QPoint(30, 45) << false << 7;
        QTest::newRow("last pixel inside") << QPoint(59, 74) << false << 7;
        QTest::newRow("right edge") << QPoint(60, 50) << false << -1;
        QTest::newRow("bottom edge") << QPoint(40, 75) << false << -1;
        QTest::newRow("left of the box") << QPoint(29, 50) << false << -1;
        QTest::newRow("above the box") << QPoint(40, 44) << false << -1;
        QTest::newRow("empty cell of the box") << QPoint(50, 50) << false << 7;
        QTest::newRow("empty cell, on cells only") << QPoint(50, 50) << true << -1;
        QTest::newRow("set cell, on cells only") << QPoint(50, 65) << true << 7;
    }
    void hitTestIncludesLeftAndTopEdgesOnly() {
        QFETCH(QPoint, point);
        QFETCH(bool, onCell);
        QFETCH(int, expected);
        CellShape shape = Make({"X.", "XX"}, 5);
        shape.SetPosition(30, 45);
        QCOMPARE(shape.HitTest({point.x(), point.y()}, onCell), expected);
    }

    void emptyShapeIsNeverHit() {
        const CellShape shape = Make({}, 5);
        QCOMPARE(shape.HitTest({0, 0}, false), -1);
        QVERIFY(shape.outline.empty());
    }

  private:
    static constexpr Rgb kBlack{0, 0, 0};
};

}  // namespace tessellix

QTEST_GUILESS_MAIN(tessellix::CellShapeTest)
#include "test_cell_shape.moc"
