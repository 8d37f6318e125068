#include <QSignalSpy>
#include <QtTest>

#include "tests/pixels.h"
#include "tests/play_window_fixture.h"

namespace tessellix {

namespace {

// The built-in 10 x 6 puzzle lies at (277, 192).
constexpr QPoint kPuzzleCorner(277, 192);

QPoint GridPoint(int column, int row) {
    return kPuzzleCorner + QPoint(column * 15, row * 15);
}

QRect CopyRect(const Element& element) {
    return QRect(element.x, element.y, element.width + 1, element.height + 1);
}

}  // namespace

class MovingElementsTest : public QObject {
    Q_OBJECT
  private slots:
    void pressOnAnEmptySpotChangesNothing_data() {
        QTest::addColumn<QPoint>("point");
        QTest::newRow("top band") << QPoint(70, 40);
        QTest::newRow("left band") << QPoint(50, 158);
        QTest::newRow("board") << QPoint(200, 300);
        QTest::newRow("empty cell of an element's box") << QPoint(15 + 20, 15 + 20);
    }
    void pressOnAnEmptySpotChangesNothing() {
        QFETCH(QPoint, point);
        PlayWindowFixture play;
        const QImage before = play.Shown().copy();
        play.Press(point);
        play.Move(point + QPoint(40, 40));
        QVERIFY(!play.Session().Holding());
        QCOMPARE(play.Shown(), before);
        play.Release(point + QPoint(40, 40));
        QCOMPARE(play.Shown(), before);
    }

    void dropSnapsToTheNearestColumnAndRow_data() {
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<QPoint>("snapped");
        QTest::newRow("7 right snaps left") << QPoint(7, 0) << QPoint(2, 1);
        QTest::newRow("8 right snaps right") << QPoint(8, 0) << QPoint(3, 1);
        QTest::newRow("7 below snaps up") << QPoint(0, 7) << QPoint(2, 1);
        QTest::newRow("8 below snaps down") << QPoint(0, 8) << QPoint(2, 2);
        QTest::newRow("7 left snaps right") << QPoint(-7, 0) << QPoint(2, 1);
        QTest::newRow("8 left snaps left") << QPoint(-8, 0) << QPoint(1, 1);
    }
    void dropSnapsToTheNearestColumnAndRow() {
        QFETCH(QPoint, offset);
        QFETCH(QPoint, snapped);
        PlayWindowFixture play;
        play.DragElementTo(4, GridPoint(2, 1) + offset);
        const Element& corner = play.ElementAt(4);
        QCOMPARE(QPoint(corner.x, corner.y), GridPoint(snapped.x(), snapped.y()));
        // Its cells are covered and it is drawn there in its colour.
        QCOMPARE(play.Puzzle().Cell(snapped.y(), snapped.x()), 2);
        QCOMPARE(play.Shown().pixel(corner.x + 7, corner.y + 7), qRgb(255, 0, 255));
        // Its base box is empty.
        QCOMPARE(play.Shown().pixel(corner.homeX + 7, corner.homeY + 7), qRgb(128, 128, 128));
    }

    void dropWhereTheElementDoesNotFitSendsItHome_data() {
        QTest::addColumn<QPoint>("corner");
        QTest::newRow("past the puzzle's right edge") << GridPoint(8, 0);
        QTest::newRow("past the puzzle's bottom edge") << GridPoint(0, 4);
        QTest::newRow("on the board beside the puzzle") << QPoint(130, 300);
        QTest::newRow("outside the window") << QPoint(-100, -80);
    }
    void dropWhereTheElementDoesNotFitSendsItHome() {
        QFETCH(QPoint, corner);
        PlayWindowFixture play;
        const QImage before = play.Shown().copy();
        play.DragElementTo(5, corner);
        const Element& tee = play.ElementAt(5);
        QVERIFY(tee.IsAtHome());
        QVERIFY(!play.Session().Holding());
        QCOMPARE(play.Shown(), before);
        QVERIFY(!play.Puzzle().IsSolved());
        for (int cell : play.Puzzle().cells) {
            QVERIFY(cell != 2);
        }
    }

    void dropOntoACoveredCellSendsItHome() {
        PlayWindowFixture play;
        play.DragElementTo(10, GridPoint(0, 0));  // plus
        play.DragElementTo(4, GridPoint(1, 0));   // its top row would cover the plus's top
        QVERIFY(play.ElementAt(4).IsAtHome());
        QVERIFY(!play.ElementAt(10).IsAtHome());
    }

    void clicksTurnAnElementAtHomeBackToItsStart() {
        PlayWindowFixture play;
        Element& stair = play.ElementAt(8);
        const QImage start = play.Shown().copy();
        const auto cells = stair.cells;
        const QPoint onCell(stair.homeX + 7, stair.homeY + 7);
        QList<int> rotations;
        for (int click = 0; click < 4; ++click) {
            play.Click(onCell);
            rotations.append(stair.Rotation());
            QVERIFY(stair.IsAtHome());
        }
        QCOMPARE(rotations, (QList<int>{1, 2, 3, 0}));
        QCOMPARE(stair.cells, cells);
        QCOMPARE(play.Shown(), start);
    }

    void clickInsideTheBoxButOffTheCellsStillTurns() {
        PlayWindowFixture play;
        Element& corner = play.ElementAt(4);  // XXX / X.. / X..: (1, 1) is empty
        const QPoint empty(corner.homeX + 22, corner.homeY + 22);
        play.Press(empty);
        QVERIFY(!play.Session().Holding());
        play.Release(empty);
        QCOMPARE(corner.Rotation(), 1);
    }

    void rightClicksMirrorBackAndForth() {
        PlayWindowFixture play;
        Element& stem = play.ElementAt(1);
        const QImage start = play.Shown().copy();
        const auto cells = stem.cells;
        const QPoint onCell(stem.homeX + 7, stem.homeY + 7);
        play.Click(onCell, Qt::RightButton);
        QCOMPARE(stem.Mirrored(), 1);
        QVERIFY(stem.cells != cells);
        QVERIFY(play.Shown() != start);
        play.Click(onCell, Qt::RightButton);
        QCOMPARE(stem.Mirrored(), 0);
        QCOMPARE(play.Shown(), start);
        // A right double-click mirrors on each of its two releases.
        play.DoubleClick(onCell, Qt::RightButton);
        QCOMPARE(stem.Mirrored(), 0);
        QCOMPARE(play.Shown(), start);
    }

    void rightClickOnAPlacedElementDoesNothing() {
        PlayWindowFixture play;
        play.DragElementTo(6, GridPoint(0, 0));
        const QImage before = play.Shown().copy();
        play.Click(GridPoint(0, 0) + QPoint(7, 7), Qt::RightButton);
        QCOMPARE(play.ElementAt(6).Mirrored(), 0);
        QCOMPARE(play.Shown(), before);
    }

    void clickOnAPlacedElementKeepsItInPlace() {
        PlayWindowFixture play;
        QSignalSpy solved(&play.Window(), &MainWindow::puzzleSolved);
        play.DragElementTo(7, GridPoint(4, 2));
        const QImage before = play.Shown().copy();
        play.Click(GridPoint(4, 2) + QPoint(7, 7));
        QCOMPARE(QPoint(play.ElementAt(7).x, play.ElementAt(7).y), GridPoint(4, 2));
        QCOMPARE(play.ElementAt(7).Rotation(), 0);
        QCOMPARE(play.Shown(), before);
        QCOMPARE(solved.count(), 0);
    }

    void doubleClickSendsAPlacedElementHome() {
        PlayWindowFixture play;
        const QImage empty = play.Shown().copy();
        play.DragElementTo(0, GridPoint(0, 0));  // upright line in column 0
        play.DragElementTo(11, GridPoint(1, 0));
        const QImage withBoth = play.Shown().copy();
        play.DoubleClick(GridPoint(0, 2) + QPoint(7, 7));
        QVERIFY(play.ElementAt(0).IsAtHome());
        QVERIFY(!play.ElementAt(11).IsAtHome());
        QCOMPARE(play.Puzzle().Cell(2, 0), 1);
        QCOMPARE(play.Puzzle().Cell(1, 1), 2);
        const QRegion changed = Changed(withBoth, play.Shown());
        // Only the line's old place and its base box changed; the other element stays drawn.
        const QRect oldPlace(GridPoint(0, 0), QSize(16, 76));
        const QRect box = QRect(15, 75, 75, 75).adjusted(-1, -1, 1, 1);
        QVERIFY((changed - oldPlace - box).isEmpty());
        for (int y = 0; y < 76; ++y) {
            const QPoint p = GridPoint(1, 0) + QPoint(15, y);
            QCOMPARE(play.Shown().pixel(p), withBoth.pixel(p));
        }
        QCOMPARE(play.Shown().pixel(GridPoint(0, 2) + QPoint(7, 7)), qRgb(255, 255, 255));
        QCOMPARE(play.Shown().pixel(45 + 7, 75 + 7), empty.pixel(45 + 7, 75 + 7));
    }

    void doubleClickOnAnElementAtHomeTurnsItTwice() {
        PlayWindowFixture play;
        Element& cup = play.ElementAt(9);
        play.DoubleClick(QPoint(cup.homeX + 7, cup.homeY + 7));
        QCOMPARE(cup.Rotation(), 2);
        QVERIFY(cup.IsAtHome());
        QVERIFY(!play.Session().Holding());
    }

    void unusedElementsAreNeitherDrawnNorPicked() {
        PlayWindowFixture play;
        Element& plus = play.ElementAt(10);
        plus.excluded = 1;
        play.Board().Paint();
        const QPoint centre(plus.homeX + 22, plus.homeY + 22);
        QCOMPARE(play.Shown().pixel(centre), qRgb(128, 128, 128));
        const QImage before = play.Shown().copy();
        play.Press(centre);
        QVERIFY(!play.Session().Holding());
        play.Move(GridPoint(0, 0));
        play.Release(GridPoint(0, 0));
        play.Click(centre, Qt::RightButton);
        QCOMPARE(play.Shown(), before);
        QVERIFY(plus.IsAtHome());
        QCOMPARE(plus.Mirrored(), 0);
    }

    void coveringTheLastFreeCellSolvesThePuzzleOnce() {
        PlayWindowFixture play;
        QSignalSpy solved(&play.Window(), &MainWindow::puzzleSolved);
        for (int index = 0; index < 11; ++index) {
            QVERIFY(play.Session().PlaceAtSolution(index));
        }
        play.Board().Paint();
        QCOMPARE(solved.count(), 0);
        Element& last = play.ElementAt(11);
        last.TurnToSolution();
        play.DragElementTo(11, GridPoint(last.solutionColumn, last.solutionRow) + QPoint(5, -4));
        QCOMPARE(solved.count(), 1);
        // The built-in puzzle is congratulated, then its board is reset.
        QCOMPARE(play.messages.size(), 1);
        QVERIFY(!play.Puzzle().IsSolved());
    }

    void pressDuringADragIsIgnored() {
        PlayWindowFixture play;
        Element& line = play.ElementAt(0);
        Element& tee = play.ElementAt(5);
        play.Press(QPoint(line.homeX + 7, line.homeY + 7));
        play.Move(QPoint(300, 200));
        play.Press(QPoint(tee.homeX + 7, tee.homeY + 7));
        QCOMPARE(play.Session().PlayerHand().held, 0);
        QVERIFY(tee.IsAtHome());
        play.Release(QPoint(300, 200));
        QVERIFY(!play.Session().Holding());
        QVERIFY(!line.IsAtHome());
        QVERIFY(tee.IsAtHome());
    }

    void dragTouchesOnlyTheElementsRectangles() {
        PlayWindowFixture play;
        play.DragElementTo(2, GridPoint(3, 1));
        Element& stem = play.ElementAt(1);
        const QRect home = CopyRect(stem);
        const QImage start = play.Shown().copy();
        play.Press(QPoint(stem.x + 7, stem.y + 7));
        play.Canvas().ForgetRepaints();
        const QList<QPoint> path{{100, 180}, {180, 200}, {285, 200},
                                 {320, 230}, {700, 500}, {290, 210}};
        for (const QPoint& point : path) {
            const QImage before = play.Shown().copy();
            const QRect oldRect = CopyRect(stem);
            play.Move(point);
            const QRect newRect = CopyRect(stem);
            QVERIFY((Changed(before, play.Shown()) - oldRect - newRect).isEmpty());
            for (const QRect& asked : play.Canvas().RequestedRects()) {
                QVERIFY(oldRect.contains(asked) || newRect.contains(asked));
            }
            play.Canvas().ForgetRepaints();
        }
        QCOMPARE(play.Canvas().FullRepaintRequests(), 0);
        // Passing over the placed element leaves it whole once the dragged one has gone by.
        play.Move(QPoint(150, 350));
        QVERIFY((Changed(start, play.Shown()) - home - CopyRect(stem)).isEmpty());
        play.Release(QPoint(150, 350));
        QVERIFY(stem.IsAtHome());
    }

    void pickingAPlacedElementFreesItsCellsAndShowsThePuzzleUnderIt() {
        PlayWindowFixture play;
        play.DragElementTo(3, GridPoint(0, 0));
        play.DragElementTo(0, GridPoint(2, 0));
        const Element& stair = play.ElementAt(3);
        const QImage placed = play.Shown().copy();
        play.Press(QPoint(stair.x + 7, stair.y + 7));
        QCOMPARE(play.Puzzle().Cell(0, 0), 1);
        play.Move(QPoint(450, 330));
        QCOMPARE(play.Shown().pixel(GridPoint(0, 0) + QPoint(7, 7)), qRgb(255, 255, 255));
        QCOMPARE(play.Shown().pixel(GridPoint(2, 0) + QPoint(7, 7)),
                 placed.pixel(GridPoint(2, 0) + QPoint(7, 7)));
        play.Release(QPoint(450, 330));
        QVERIFY(stair.IsAtHome());
    }

    void paintDuringADragShowsNoElement() {
        PlayWindowFixture play;
        const Element& tee = play.ElementAt(5);
        play.Press(QPoint(tee.homeX + 7, tee.homeY + 7));
        play.Move(QPoint(300, 300));
        play.Board().Paint();
        QCOMPARE(play.Shown(), play.Board().BackgroundImage().Image());
        play.Release(QPoint(300, 300));
    }
};

}  // namespace tessellix

QTEST_MAIN(tessellix::MovingElementsTest)
#include "test_moving_elements.moc"
