// The board on the real main window offscreen: the canvas's Qt events carried to the board, the
// mouse held while an element is, and what the canvas shows after each move.

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

class BoardViewTest : public QObject {
    Q_OBJECT
  private slots:
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

    void unusedElementsAreNotDrawn() {
        PlayWindowFixture play;
        Element& plus = play.ElementAt(10);
        plus.excluded = 1;
        play.Board().Paint();
        QCOMPARE(play.Shown().pixel(plus.homeX + 22, plus.homeY + 22), qRgb(128, 128, 128));
    }

    // A press that picks an element holds the mouse until the release drops it, also when the
    // release comes from outside the window.
    void mouseIsHeldWhileAnElementIs() {
        PlayWindowFixture play;
        const Element& corner = play.ElementAt(4);
        play.Press(QPoint(200, 300));
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
        play.Press(QPoint(corner.homeX + 7, corner.homeY + 7));
        QCOMPARE(QWidget::mouseGrabber(), &play.Canvas());
        play.Move(QPoint(700, 500));
        play.Release(QPoint(700, 500));
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
        QVERIFY(!play.Session().Holding());
    }

    void qtKeysMapToBoardKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("boardKey");  // -1: none, the key goes on as the widget's own
        const int shift = Qt::ShiftModifier;
        const int keypad = Qt::KeypadModifier;
        const auto row = [](const char* name, Qt::Key key, int modifiers, int boardKey) {
            QTest::newRow(name) << int(key) << modifiers << boardKey;
        };
        row("Tab", Qt::Key_Tab, 0, int(BoardKey::Tab));
        row("Shift+Tab", Qt::Key_Tab, shift, int(BoardKey::Backtab));
        row("Backtab", Qt::Key_Backtab, shift, int(BoardKey::Backtab));
        row("Left", Qt::Key_Left, 0, int(BoardKey::Left));
        row("Right on the keypad", Qt::Key_Right, keypad, int(BoardKey::Right));
        row("Shift+Up", Qt::Key_Up, shift, int(BoardKey::Up));
        row("Down", Qt::Key_Down, 0, int(BoardKey::Down));
        row("Space", Qt::Key_Space, 0, int(BoardKey::Space));
        row("Shift+Space", Qt::Key_Space, shift, int(BoardKey::ShiftSpace));
        row("Return", Qt::Key_Return, 0, int(BoardKey::Return));
        row("Enter", Qt::Key_Enter, keypad, int(BoardKey::Return));
        row("Escape", Qt::Key_Escape, 0, int(BoardKey::Escape));
        row("Delete", Qt::Key_Delete, 0, int(BoardKey::Delete));
        row("Ctrl+Left", Qt::Key_Left, Qt::ControlModifier, -1);
        row("Alt+Space", Qt::Key_Space, Qt::AltModifier, -1);
        row("A", Qt::Key_A, 0, -1);
    }
    void qtKeysMapToBoardKeys() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        const std::optional<BoardKey> mapped =
            PlayCanvas::BoardKeyOf(key, Qt::KeyboardModifiers::fromInt(modifiers));
        QTEST(mapped ? int(*mapped) : -1, "boardKey");
    }

    void aSolvingDropStartsTheSolvedSequenceOnce() {
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

QTEST_MAIN(tessellix::BoardViewTest)
#include "test_board_view.moc"
