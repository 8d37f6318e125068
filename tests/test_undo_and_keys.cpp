// Undo and redo, turning in the hand and keyboard play on the real main window offscreen: what
// the player sees after each, and the keyboard alone solving puzzles.

#include <QWheelEvent>
#include <QtTest>

#include "tests/play_window_fixture.h"

namespace tessellix {

namespace {

// A one-puzzle library whose puzzle is element `index`'s shape, only that element used.
std::map<std::string, std::string> OneElementPuzzle(int index) {
    const ElementSet elements;
    HandFile file;
    file.Cells(AsciiRows(elements[index]), 3, 2);
    file.records.fill({0, 0, 0, 0});
    file.records[index] = {0x01, 0, 0, 0};
    file.text = "\1Alone";
    return {{"4.TLX", file.Bytes()}};
}

void Keys(PlayWindowFixture& play, const QList<QKeyCombination>& keys) {
    for (const QKeyCombination key : keys) {
        QTest::keyClick(&play.Canvas(), key.key(), key.keyboardModifiers());
    }
}

// The element chosen by Tab, turned and mirrored at home into its stored orientation, moved by
// the arrows onto its stored place and dropped with Return.
void PlaceByKeys(PlayWindowFixture& play, int index) {
    while (play.Session().PlayerHand().chosen != index) {
        Keys(play, {QKeyCombination(Qt::Key_Tab)});
    }
    const Element& element = play.ElementAt(index);
    if (element.solutionMirrored == 1) {
        Keys(play, {Qt::SHIFT | Qt::Key_Space});
    }
    for (int turn = 0; turn < element.solutionRotation; ++turn) {
        Keys(play, {QKeyCombination(Qt::Key_Space)});
    }
    // The first arrow brings it onto the puzzle's corner.
    Keys(play, {QKeyCombination(Qt::Key_Down)});
    for (int column = 0; column < element.solutionColumn; ++column) {
        Keys(play, {QKeyCombination(Qt::Key_Right)});
    }
    for (int row = 0; row < element.solutionRow; ++row) {
        Keys(play, {QKeyCombination(Qt::Key_Down)});
    }
    Keys(play, {QKeyCombination(Qt::Key_Return)});
}

}  // namespace

class UndoAndKeysTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { SetCurrentLanguage(Language::English); }

    // Each move undone with Ctrl+Z shows the window as it was before it, pixel for pixel, and
    // Ctrl+Y (or Ctrl+Shift+Z) shows it as it was after.
    void undoGivesBackThePixelsOfBeforeTheMove_data() {
        QTest::addColumn<QString>("move");
        QTest::addColumn<int>("redoKey");
        QTest::newRow("a drag onto the puzzle") << "drag" << (Qt::CTRL | Qt::Key_Y).toCombined();
        QTest::newRow("a click that turns")
            << "click" << (Qt::CTRL | Qt::SHIFT | Qt::Key_Z).toCombined();
        QTest::newRow("a double-click that sends home")
            << "double" << (Qt::CTRL | Qt::Key_Y).toCombined();
        QTest::newRow("reset") << "reset" << (Qt::CTRL | Qt::Key_Y).toCombined();
        QTest::newRow("a hint") << "hint" << (Qt::CTRL | Qt::Key_Y).toCombined();
    }
    void undoGivesBackThePixelsOfBeforeTheMove() {
        QFETCH(QString, move);
        QFETCH(int, redoKey);
        PlayWindowFixture play;
        play.Window().show();
        play.Window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&play.Window()));
        const Element& corner = play.ElementAt(4);
        const QPoint onIt(corner.homeX + 7, corner.homeY + 7);
        const QPoint puzzle(play.Puzzle().x, play.Puzzle().y);
        if (move != "drag" && move != "click") {
            play.DragElementTo(4, puzzle);
        }
        QVERIFY(!play.Window().IsCommandEnabled(kCommandRedo));
        const QImage before = play.Shown().copy();
        if (move == "drag") {
            play.DragElementTo(4, puzzle);
        } else if (move == "click") {
            play.Click(onIt);
        } else if (move == "double") {
            play.DoubleClick(puzzle + QPoint(7, 7));
        } else if (move == "reset") {
            play.Window().RunCommand(kCommandReset);
        } else {
            play.RunWithDialog(kCommandHint, [](QDialog& dialog) { dialog.accept(); });
        }
        const QImage after = play.Shown().copy();
        QVERIFY(after != before);
        QTest::keyClick(play.Window().windowHandle(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(play.Shown(), before);
        QVERIFY(play.Window().IsCommandEnabled(kCommandRedo));
        const QKeyCombination redo = QKeyCombination::fromCombined(redoKey);
        QTest::keyClick(play.Window().windowHandle(), redo.key(), redo.keyboardModifiers());
        QCOMPARE(play.Shown(), after);
        QVERIFY(!play.Window().IsCommandEnabled(kCommandRedo));
        QVERIFY(play.messages.isEmpty());
    }

    // A click that changes nothing is no step, and a switch of puzzle forgets the history.
    void undoIsForTheMovesOfThisPuzzleOnly() {
        PlayWindowFixture play({{"1.TLX", OneElementPuzzle(4).at("4.TLX")},
                                {"2.TLX", OneElementPuzzle(5).at("4.TLX")}});
        play.Click(QPoint(200, 300));
        QVERIFY(!play.Window().IsCommandEnabled(kCommandUndo));
        const Element& corner = play.ElementAt(4);
        play.Click(QPoint(corner.homeX + 7, corner.homeY + 7));
        QVERIFY(play.Window().IsCommandEnabled(kCommandUndo));
        play.Window().RunCommand(kCommandNextPuzzle);
        QVERIFY(!play.Window().IsCommandEnabled(kCommandUndo));
        QVERIFY(!play.Window().IsCommandEnabled(kCommandRedo));
    }

    // After every move of the mouse, the wheel, the keys and the commands, the window is what a
    // full composition of the same board draws. "press L 2" presses on L's third cell, "move
    // dx,dy" moves the pointer by that much, "release" lets go, "right P" right-clicks on P's
    // first cell, "wheel n" turns n notches, "keys ..." types keys (S- for Shift), and "reset",
    // "hint", "undo", "redo", "jump" (Ctrl+Right), "back" (Ctrl+Left) and "explain" are the
    // commands.
    void everyMoveLeavesTheWindowAsAFullComposition_data() {
        QTest::addColumn<QStringList>("moves");
        QTest::newRow("L turned a notch in the hand, released off the shape")
            << QStringList{"press L 2", "move -60,40", "wheel 1", "release"};
        QTest::newRow("I turned both ways in the hand, dropped on the puzzle") << QStringList{
            "press I 2", "move 250,70", "wheel 1", "move 3,-2", "wheel -2", "move 12,0", "release"};
        QTest::newRow("Space and Shift+Space while the mouse holds")
            << QStringList{"press N 1", "move 300,200", "keys Space", "keys S-Space", "release"};
        QTest::newRow("keys turn in the hand and send home")
            << QStringList{"keys Tab Right Space Right Right Down Down Down Escape"};
        QTest::newRow("a right-click mirrors at home while the mouse holds")
            << QStringList{"press V", "move 200,150", "right P", "right U", "release"};
        QTest::newRow("reset while the keys hold") << QStringList{
            "press P", "move 200,200", "release", "keys Tab Down Right Space", "reset"};
        QTest::newRow("jumps to places, a drop and a jump from the placed element") << QStringList{
            "keys Tab", "jump", "jump", "back", "keys Return", "jump", "keys Escape"};
        QTest::newRow("a hint while the keys hold")
            << QStringList{"keys Tab Tab Down Down", "hint"};
        QTest::newRow("an explained step's marks, gone with the next drop")
            << QStringList{"explain", "press P", "move 200,200", "release"};
        QTest::newRow("undo and redo of drops and turns")
            << QStringList{"press Z",      "move 180,190", "wheel 1", "release", "press W 4",
                           "move 230,200", "release",      "undo",    "undo",    "redo"};
    }
    void everyMoveLeavesTheWindowAsAFullComposition() {
        QFETCH(QStringList, moves);
        PlayWindowFixture play;
        QPoint pointer;
        const auto cellOf = [&](const QString& letter, int number) {
            const Element& element = play.ElementAt(
                static_cast<int>(std::string_view(kElementLetters).find(letter[0].toLatin1())));
            for (int cell = 0; cell < element.side * element.side; ++cell) {
                if (element.cells[cell] != 0 && number-- == 0) {
                    return QPoint(element.x + cell % element.side * kCellSize + 7,
                                  element.y + cell / element.side * kCellSize + 7);
                }
            }
            return QPoint();
        };
        static const QMap<QString, Qt::Key> kKeys{
            {"Tab", Qt::Key_Tab},     {"Right", Qt::Key_Right},   {"Down", Qt::Key_Down},
            {"Space", Qt::Key_Space}, {"Return", Qt::Key_Return}, {"Escape", Qt::Key_Escape}};
        for (const QString& move : moves) {
            QStringList words = move.split(' ');
            const QString verb = words.takeFirst();
            if (verb == "press") {
                pointer = cellOf(words[0], words.size() > 1 ? words[1].toInt() : 0);
                play.Press(pointer);
            } else if (verb == "move") {
                const QStringList by = words[0].split(',');
                pointer += QPoint(by[0].toInt(), by[1].toInt());
                play.Move(pointer);
            } else if (verb == "release") {
                play.Release(pointer);
            } else if (verb == "right") {
                play.Click(cellOf(words[0], 0), Qt::RightButton);
            } else if (verb == "wheel") {
                play.Wheel(pointer, words[0].toInt());
            } else if (verb == "keys") {
                for (const QString& key : words) {
                    const bool shift = key.startsWith("S-");
                    QTest::keyClick(&play.Canvas(), kKeys.value(shift ? key.mid(2) : key),
                                    shift ? Qt::ShiftModifier : Qt::NoModifier);
                }
            } else if (verb == "hint") {
                play.RunWithDialog(kCommandHint, [](QDialog& dialog) { dialog.accept(); });
            } else {
                static const QMap<QString, int> kCommands{
                    {"reset", kCommandReset},        {"undo", kCommandUndo},
                    {"redo", kCommandRedo},          {"jump", kCommandNextPlace},
                    {"back", kCommandPreviousPlace}, {"explain", kCommandExplainStep}};
                QVERIFY2(kCommands.contains(verb), qPrintable(move));
                play.Window().RunCommand(kCommands[verb]);
            }
            // Reset and Hint run while an element is held, and empty the hand.
            QVERIFY((verb != "reset" && verb != "hint") || !play.Session().Holding());
            QVERIFY2(play.Shown() == play.FullComposition(), qPrintable("after " + move));
        }
        // Only an explained step answers in a message.
        QCOMPARE(play.messages.size(), moves.count("explain"));
    }

    // The wheel turns the element in the hand about the cell under the pointer, repainting only
    // what the element covered and covers.
    void wheelTurnsTheElementInTheHand() {
        PlayWindowFixture play;
        Element& tee = play.ElementAt(5);
        const QPoint grab(tee.homeX + 22, tee.homeY + 7);  // its top row's middle cell
        play.Press(grab);
        const QPoint held = grab + QPoint(140, 120);
        play.Move(held);
        const int rotation = tee.Rotation();
        const PixelRect before = BoardDrawing::CopyRect(tee);
        play.Canvas().ForgetRepaints();
        QWheelEvent wheel(QPointF(held), play.Canvas().mapToGlobal(QPointF(held)), QPoint(),
                          QPoint(0, 120), Qt::LeftButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&play.Canvas(), &wheel);
        QCOMPARE(tee.Rotation(), (rotation + 1) % 4);
        QCOMPARE(tee.HitTest({held.x(), held.y()}, true), tee.id);
        const PixelRect after = BoardDrawing::CopyRect(tee);
        const QRegion allowed = QRegion(before.left, before.top, before.Width(), before.Height()) +
                                QRegion(after.left, after.top, after.Width(), after.Height());
        for (const QRect& asked : play.Canvas().RequestedRects()) {
            QVERIFY(allowed.contains(asked));
        }
        QCOMPARE(play.Canvas().FullRepaintRequests(), 0);
        // Then the drop works as always: off the puzzle, home in its new orientation.
        play.Release(held);
        QVERIFY(tee.IsAtHome());
        QCOMPARE(tee.Rotation(), (rotation + 1) % 4);
    }

    // Keys alone solve a one-element puzzle and the 10 x 6 rectangle from its stored solution.
    void keyboardAloneSolves_data() {
        QTest::addColumn<bool>("rectangle");
        QTest::newRow("one element") << false;
        QTest::newRow("the 10 x 6 rectangle") << true;
    }
    void keyboardAloneSolves() {
        QFETCH(bool, rectangle);
        PlayWindowFixture play(rectangle ? std::map<std::string, std::string>{}
                                         : OneElementPuzzle(9));
        QVERIFY(!play.Canvas().FocusFrame());
        if (rectangle) {
            for (int i = 0; i < ElementSet::kCount; ++i) {
                PlaceByKeys(play, i);
            }
        } else {
            Keys(play, {QKeyCombination(Qt::Key_Tab)});
            QVERIFY(play.Canvas().FocusFrame());
            Keys(play, {QKeyCombination(Qt::Key_Right), QKeyCombination(Qt::Key_Return)});
        }
        QVERIFY(!play.messages.isEmpty());
        QVERIFY(play.messages[0].text.startsWith("Congratulations!"));
        // The solved sequence leaves no move to take back.
        QVERIFY(!play.Window().IsCommandEnabled(kCommandUndo));
        if (!rectangle) {
            QCOMPARE(ReadBytes(play.DataPath("4.TLX")).substr(9 + 4 * 9, 4),
                     std::string("\x81\x00\x00\x00", 4));
        }
    }
};

}  // namespace tessellix

QTEST_MAIN(tessellix::UndoAndKeysTest)
#include "test_undo_and_keys.moc"
