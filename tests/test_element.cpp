#include <QtTest>

#include "model/element_set.h"
#include "platform/image_surface.h"
#include "tests/ascii_grid.h"

namespace tessellix {

using Picture = std::vector<std::string>;
using Cells = QList<QPoint>;

namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kGrey{128, 128, 128};

// A puzzle-like shape of free cells (value 1) at a pixel position.
CellShape Board(const Picture& picture, int side, int x = 120, int y = 90) {
    CellShape board;
    board.Create(100, 0, 0, AsciiGrid(picture, side), side, kWhite, kGrey);
    board.SetPosition(x, y);
    return board;
}

// The base shape of a standard element, mirrored and then turned clockwise, packed into the
// top-left corner of a side x side matrix: the orientation convention, computed independently.
Picture Oriented(int index, int mirrored, int rotation) {
    std::vector<QPoint> cells;
    const auto matrix = StandardMatrix(kStandardElements[index]);
    for (int i = 0; i < 25; ++i) {
        if (matrix[i] != 0) {
            cells.push_back({i % 5, i / 5});
        }
    }
    for (QPoint& cell : cells) {
        if (mirrored == 1) {
            cell.setX(-cell.x());
        }
        for (int k = 0; k < rotation; ++k) {
            cell = QPoint(-cell.y(), cell.x());  // clockwise on screen, y growing downward
        }
    }
    int minX = 99, minY = 99, maxX = -99, maxY = -99;
    for (const QPoint& cell : cells) {
        minX = std::min(minX, cell.x());
        minY = std::min(minY, cell.y());
        maxX = std::max(maxX, cell.x());
        maxY = std::max(maxY, cell.y());
    }
    const int side = std::max(maxX - minX, maxY - minY) + 1;
    Picture rows(side, std::string(side, '.'));
    for (const QPoint& cell : cells) {
        rows[cell.y() - minY][cell.x() - minX] = 'X';
    }
    return rows;
}

}  // namespace

class ElementTest : public QObject {
    Q_OBJECT
  private slots:
    void transformRefusesUnlessAtHomeAndUsed_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("shiftX");
        QTest::addColumn<int>("excluded");
        QTest::newRow("one pixel right of home") << int(TurnClockwise) << 1 << 0;
        QTest::newRow("one pixel left of home") << int(Mirror) << -1 << 0;
        QTest::newRow("excluded") << int(TurnCounterClockwise) << 0 << 1;
        QTest::newRow("kind 0") << 0 << 0 << 0;
        QTest::newRow("kind 4") << 4 << 0 << 0;
    }
    void transformRefusesUnlessAtHomeAndUsed() {
        QFETCH(int, kind);
        QFETCH(int, shiftX);
        QFETCH(int, excluded);
        ElementSet set;
        Element& element = set[6];
        element.excluded = excluded;
        element.SetPosition(element.homeX + shiftX, element.homeY);
        const auto before = element.cells;
        const int x = element.x;
        QCOMPARE(element.Transform(kind), 0);
        QCOMPARE(element.cells, before);
        QCOMPARE(element.x, x);
        QCOMPARE(element.Rotation(), 0);
        QCOMPARE(element.Mirrored(), 0);
    }

    // Any sequence of turns and mirrors leaves the matrix that the convention describes:
    // base shape, mirrored if `mirrored`, then turned `rotation` times.
    void transformsKeepTheOrientationConvention_data() {
        QTest::addColumn<QList<int>>("kinds");
        QTest::addColumn<int>("rotation");
        QTest::addColumn<int>("mirrored");
        const int cw = TurnClockwise, ccw = TurnCounterClockwise, m = Mirror;
        QTest::newRow("one turn") << QList<int>{cw} << 1 << 0;
        QTest::newRow("four turns") << QList<int>{cw, cw, cw, cw} << 0 << 0;
        QTest::newRow("turn and back") << QList<int>{cw, ccw} << 0 << 0;
        QTest::newRow("counter-clockwise from 0") << QList<int>{ccw} << 3 << 0;
        QTest::newRow("mirror swaps 1 for 3") << QList<int>{cw, m} << 3 << 1;
        QTest::newRow("second mirror swaps back") << QList<int>{cw, m, m} << 1 << 0;
        QTest::newRow("mirror keeps 2") << QList<int>{cw, cw, m} << 2 << 1;
        QTest::newRow("mirror then three turns") << QList<int>{m, cw, cw, cw} << 3 << 1;
        QTest::newRow("mixed") << QList<int>{m, ccw, m, cw, cw, m} << 1 << 1;
    }
    void transformsKeepTheOrientationConvention() {
        QFETCH(QList<int>, kinds);
        QFETCH(int, rotation);
        QFETCH(int, mirrored);
        ElementSet set;
        for (int index = 0; index < ElementSet::kCount; ++index) {
            Element& element = set[index];
            for (int kind : kinds) {
                QCOMPARE(element.Transform(kind), 1);
            }
            QCOMPARE(element.Rotation(), rotation);
            QCOMPARE(element.Mirrored(), mirrored);
            QCOMPARE(AsciiRows(element), Oriented(index, mirrored, rotation));
            QVERIFY(element.IsAtHome());
            QCOMPARE(element.homeX, element.baseX + (element.boxWidth - element.width) / 2);
            QCOMPARE(element.homeY, element.baseY + (element.boxHeight - element.height) / 2);
        }
    }

    void resetOrientationRestoresTheBaseFromEveryOrientation_data() {
        QTest::addColumn<int>("mirrored");
        QTest::addColumn<int>("rotation");
        for (int m = 0; m < 2; ++m) {
            for (int r = 0; r < 4; ++r) {
                QTest::addRow("mirrored %d rotation %d", m, r) << m << r;
            }
        }
    }
    void resetOrientationRestoresTheBaseFromEveryOrientation() {
        QFETCH(int, mirrored);
        QFETCH(int, rotation);
        ElementSet set;
        const ElementSet base;
        for (int index = 0; index < ElementSet::kCount; ++index) {
            Element& element = set[index];
            if (mirrored == 1) {
                element.Transform(Mirror);
            }
            for (int k = 0; k < rotation; ++k) {
                element.Transform(TurnClockwise);
            }
            element.ResetOrientation();
            QCOMPARE(element.Rotation(), 0);
            QCOMPARE(element.Mirrored(), 0);
            QCOMPARE(element.cells, base[index].cells);
            QCOMPARE(element.x, base[index].homeX);
            QCOMPARE(element.y, base[index].homeY);
            QCOMPARE(element.outline.size(), base[index].outline.size());
        }
    }

    void resetOrientationLeavesAPlacedElementAlone() {
        ElementSet set;
        Element& element = set[3];
        element.Transform(TurnClockwise);
        element.SetPosition(300, 200);
        element.ResetOrientation();
        QCOMPARE(element.Rotation(), 1);
    }

    void turningMovesTheElementToItsNewHome() {
        ElementSet set;
        Element& line = set[0];
        QCOMPARE(line.x, 45);
        QCOMPARE(line.y, 75);
        line.Transform(TurnClockwise);
        QCOMPARE(line.width, 75);
        QCOMPARE(line.height, 15);
        QCOMPARE(line.x, 15);
        QCOMPARE(line.y, 105);
    }

    void findSnapTriesTheNearestGridPointFirst_data() {
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<QList<QPoint>>("order");
        QTest::newRow("7 right, 7 below")
            << QPoint(7, 7) << QList<QPoint>{{0, 0}, {1, 0}, {0, 1}, {1, 1}};
        QTest::newRow("8 right, 7 below")
            << QPoint(8, 7) << QList<QPoint>{{1, 0}, {0, 1}, {1, 1}, {0, 0}};
        QTest::newRow("7 right, 8 below")
            << QPoint(7, 8) << QList<QPoint>{{0, 1}, {1, 1}, {0, 0}, {1, 0}};
        QTest::newRow("8 right, 8 below")
            << QPoint(8, 8) << QList<QPoint>{{1, 1}, {0, 0}, {1, 0}, {0, 1}};
        QTest::newRow("exactly on the grid point")
            << QPoint(0, 0) << QList<QPoint>{{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    }
    void findSnapTriesTheNearestGridPointFirst() {
        QFETCH(QPoint, offset);
        QFETCH(QList<QPoint>, order);
        CellShape board = Board(Picture(10, "XXXXXXXXXX"), 10);
        ElementSet set;
        Element& line = set[0];  // upright line of five: each candidate has a cell of its own
        const QPoint grid(3, 2);
        line.SetPosition(board.x + grid.x() * kCellSize + offset.x(),
                         board.y + grid.y() * kCellSize + offset.y());
        for (const QPoint& expected : order) {
            PixelPoint position;
            QVERIFY(line.FindSnap(board, position));
            const QPoint cell = grid + expected;
            QCOMPARE(position.x, board.x + cell.x() * kCellSize);
            QCOMPARE(position.y, board.y + cell.y() * kCellSize);
            // Cover the one cell that no other candidate uses, so the next one is tried.
            const int uniqueRow = expected.y() == 0 ? cell.y() : cell.y() + 4;
            board.SetCell(uniqueRow, cell.x(), 2);
        }
        PixelPoint position{-1, -1};
        QVERIFY(!line.FindSnap(board, position));
        QCOMPARE(position, (PixelPoint{-1, -1}));
    }

    void findSnapFails_data() {
        QTest::addColumn<Picture>("board");
        QTest::addColumn<QPoint>("cell");
        QTest::newRow("box past the right edge") << Picture(4, "XXXX") << QPoint(2, 0);
        QTest::newRow("box past the bottom edge") << Picture(4, "XXXX") << QPoint(0, 2);
        QTest::newRow("left of the puzzle") << Picture(4, "XXXX") << QPoint(-2, 0);
        QTest::newRow("a cell off the puzzle")
            << Picture{"XXXX", "X.XX", "XX.X", "XXXX"} << QPoint(0, 0);
        QTest::newRow("a covered cell") << Picture{"XXXX", "XoXX", "XXoX", "XXXX"} << QPoint(0, 0);
    }
    void findSnapFails() {
        QFETCH(Picture, board);
        QFETCH(QPoint, cell);
        CellShape puzzle = Board(board, 4);  // cropping made every cell 1
        for (int r = 0; r < 4; ++r) {
            for (int c = 0; c < 4; ++c) {
                if (board[r][c] == 'o') {
                    puzzle.SetCell(r, c, 2);
                }
            }
        }
        ElementSet set;
        Element& plus = set[10];  // covers (1,0) (0,1) (1,1) (2,1) (1,2) of its 3 x 3 box
        PixelPoint position;
        // Placed exactly on the grid point; the 3 x 3 box leaves the others no room either.
        plus.SetPosition(puzzle.x + cell.x() * kCellSize, puzzle.y + cell.y() * kCellSize);
        QVERIFY(!plus.FindSnap(puzzle, position));
    }

    void occupyThenVacateRestoresTheCells() {
        CellShape board = Board({"XXXX", "XXXX", "XX.X", "XXXX"}, 4);
        board.SetCell(0, 2, 2);
        const auto before = board.cells;
        ElementSet set;
        Element& plus = set[10];
        plus.SetPosition(board.x + kCellSize, board.y);
        plus.Occupy(board);
        QCOMPARE(AsciiRows(board), (Picture{"XXoX", "Xooo", "XX.X", "XXXX"}));
        plus.Vacate(board);
        QCOMPARE(AsciiRows(board), (Picture{"XXXX", "XXXX", "XX.X", "XXXX"}));
        plus.Occupy(board);
        plus.Vacate(board);
        board.SetCell(0, 2, 2);
        QCOMPARE(board.cells, before);
    }

    void occupyIgnoresCellsOutsideThePuzzle() {
        CellShape board = Board({"XX", "XX"}, 2);
        ElementSet set;
        Element& square = set[11];  // X. / XX / XX
        square.SetPosition(board.x, board.y - kCellSize);
        square.Occupy(board);
        QCOMPARE(AsciiRows(board), (Picture{"oo", "oo"}));
    }

    // The letter's cell is the one nearest the five cells' middle, in the present turn; of two
    // equally near, the first in reading order.
    void letterStandsOnTheCellNearestTheMiddle_data() {
        QTest::addColumn<char>("letter");
        QTest::addColumn<int>("turns");
        QTest::addColumn<QPoint>("cell");
        QTest::newRow("I upright, its third cell") << 'I' << 0 << QPoint(0, 2);
        QTest::newRow("I lying, its third cell") << 'I' << 1 << QPoint(2, 0);
        QTest::newRow("T, where bar and stem meet below") << 'T' << 0 << QPoint(1, 1);
        QTest::newRow("V, the upper of two beside the corner") << 'V' << 0 << QPoint(1, 0);
        QTest::newRow("V turned, the upper again") << 'V' << 1 << QPoint(1, 0);
    }
    void letterStandsOnTheCellNearestTheMiddle() {
        QFETCH(char, letter);
        QFETCH(int, turns);
        QFETCH(QPoint, cell);
        ElementSet set;
        Element& element = set[static_cast<int>(std::string_view(kElementLetters).find(letter))];
        for (int k = 0; k < turns; ++k) {
            element.Transform(TurnClockwise);
        }
        const GridCell found = element.LetterCell();
        QCOMPARE(QPoint(found.column, found.row), cell);
        QCOMPARE(element.Cell(found.row, found.column), 1);
    }

    void drawAtHomeClearsTheBoxAndDrawsTheElement() {
        ElementSet set;
        Element& cup = set[9];
        ImageSurface surface(600, 400);
        surface.FillRect({0, 0, 600, 400}, kWhite);
        cup.Transform(TurnClockwise);
        cup.SetPosition(300, 300);
        cup.DrawAtHome(surface);
        QCOMPARE(cup.x, cup.homeX);
        const QImage& image = surface.Image();
        QCOMPARE(image.pixel(cup.baseX, cup.baseY + 44), qRgb(128, 128, 128));
        QCOMPARE(image.pixel(cup.baseX + 45, cup.baseY + 45), qRgb(128, 128, 128));
        QCOMPARE(image.pixel(cup.baseX + 46, cup.baseY + 45), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(cup.homeX + 7, cup.homeY + 7), qRgb(192, 0, 192));
        QCOMPARE(image.pixel(300 + 7, 300 + 7), qRgb(255, 255, 255));

        cup.excluded = 1;
        surface.FillRect({0, 0, 600, 400}, kWhite);
        cup.DrawAtHome(surface);
        QCOMPARE(image.pixel(cup.baseX, cup.baseY), qRgb(255, 255, 255));
    }
};

}  // namespace tessellix

QTEST_GUILESS_MAIN(tessellix::ElementTest)
#include "test_element.moc"
