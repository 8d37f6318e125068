// The play commands on the real main window over temporary libraries: stepping and choosing
// puzzles, reset, the solved sequence with what it writes, and hints.

#include <unistd.h>

#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <cerrno>
#include <memory>

#include "dialogs/select_puzzle_dialog.h"
#include "library/puzzle_code.h"
#include "tests/play_window_fixture.h"

namespace tessellix {

using Picture = std::vector<std::string>;

namespace {

// ILYNVTZFWUXP: the element of a letter.
int ElementOf(char letter) {
    return static_cast<int>(std::string_view(kElementLetters).find(letter));
}

// A puzzle file of the picture's cells (at the grid's corner) using only the elements of
// `used`, named `name` in English; `stored` gives stored placements by letter.
std::string PuzzleFile(const Picture& picture, const std::string& used, const std::string& name,
                       const std::map<char, Placement>& stored = {}) {
    HandFile file;
    file.Cells(picture);
    for (int i = 0; i < 12; ++i) {
        file.records[i] = {0, 0, 0, 0};
    }
    for (const char letter : used) {
        file.records[ElementOf(letter)] = {0x01, 0, 0, 0};
    }
    for (const auto& [letter, p] : stored) {
        file.records[ElementOf(letter)] = {
            0x81, static_cast<std::uint8_t>(p.mirrored * 8 + p.rotation * 2),
            static_cast<std::uint8_t>(p.column), static_cast<std::uint8_t>(p.row)};
    }
    file.text = "\1" + name;
    return file.Bytes();
}

// V turned twice and mirrored, at the corner: "X.. / X.. / XXX".
const Picture kTurnedV{"X..", "X..", "XXX"};
const Picture kPlainV{"XXX", "X..", "X.."};

// Turns V twice and mirrors it in its box, then drops it on the puzzle's corner.
void SolveTurnedV(PlayWindowFixture& play) {
    Element& v = play.ElementAt(ElementOf('V'));
    for (int click = 0; click < 2; ++click) {
        play.Click(QPoint(v.homeX + 7, v.homeY + 7));
    }
    play.Click(QPoint(v.homeX + 7, v.homeY + 7), Qt::RightButton);
    play.DragElementTo(v.id, QPoint(play.Puzzle().x, play.Puzzle().y));
}

// Presses the hint dialog's OK after typing a count, which chooses the second option, or
// without, which keeps the first.
std::function<void(QDialog&)> HintOnPuzzle(const QString& count) {
    return [count](QDialog& dialog) {
        if (!count.isEmpty()) {
            QLineEdit* edit = dialog.findChild<QLineEdit*>();
            edit->selectAll();
            QTest::keyClicks(edit, count);
        }
        QTest::keyClick(&dialog, Qt::Key_Return);
    };
}

}  // namespace

class PlayCommandsTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { SetCurrentLanguage(Language::English); }

    void nextAndPreviousStepAndStopAtTheEnds() {
        PlayWindowFixture play({{"1.TLX", PuzzleFile(kPlainV, "V", "One")},
                                {"2.TLX", PuzzleFile(kTurnedV, "VL", "Two")}});
        play.Window().RunCommand(kCommandPreviousPuzzle);
        play.Window().RunCommand(kCommandNextPuzzle);
        QCOMPARE(play.Session().CurrentPuzzleIndex(), 1);
        QCOMPARE(play.Puzzle().names.In(Language::English), "Two");
        QCOMPARE(play.ElementAt(ElementOf('L')).excluded, 0);
        play.Window().RunCommand(kCommandNextPuzzle);
        QCOMPARE(play.Session().CurrentPuzzleIndex(), 1);
        QCOMPARE(play.MessageTexts(),
                 (QStringList{"This is the first puzzle.", "This is the last puzzle."}));
        for (const MessageRequest& message : play.messages) {
            QCOMPARE(message.caption, QString("Select puzzle"));
            QCOMPARE(message.icon, MessageIcon::Exclamation);
        }
    }

    void resetKeepsTheOrientationsAndNextUndoesThem() {
        PlayWindowFixture play({{"1.TLX", PuzzleFile({"XXXX", "XXXX", "XXXX"}, "VL", "One")},
                                {"2.TLX", PuzzleFile(kPlainV, "VL", "Two")}});
        const QImage start = play.Shown().copy();
        Element& v = play.ElementAt(ElementOf('V'));
        play.Click(QPoint(v.homeX + 7, v.homeY + 7));
        play.DragElementTo(v.id, QPoint(play.Puzzle().x, play.Puzzle().y));
        QVERIFY(!v.IsAtHome());
        play.Window().RunCommand(kCommandReset);
        QVERIFY(v.IsAtHome());
        QCOMPARE(v.Rotation(), 1);
        QVERIFY(std::count(play.Puzzle().cells.begin(), play.Puzzle().cells.end(), 2) == 0);
        QCOMPARE(play.Shown().pixel(play.Puzzle().x + 7, play.Puzzle().y + 7),
                 start.pixel(play.Puzzle().x + 7, play.Puzzle().y + 7));
        play.Window().RunCommand(kCommandNextPuzzle);
        QCOMPARE(v.Rotation(), 0);
        QVERIFY(v.IsAtHome());
    }

    void selectSwitchesKeepsOrRestores_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("placedStays");
        QTest::newRow("confirmed on the puzzle on the board keeps it") << 0 << true << 0 << true;
        QTest::newRow("cancelled after browsing restores the position") << 1 << false << 0 << true;
        QTest::newRow("confirmed on another puzzle shows it") << 1 << true << 1 << false;
    }
    void selectSwitchesKeepsOrRestores() {
        QFETCH(int, row);
        QFETCH(bool, confirm);
        PlayWindowFixture play({{"1.TLX", PuzzleFile({"XXX", "XXX", "XXX"}, "V", "One")},
                                {"2.TLX", PuzzleFile(kTurnedV, "V", "Two")}});
        play.DragElementTo(ElementOf('V'), QPoint(play.Puzzle().x, play.Puzzle().y));
        QVERIFY(!play.ElementAt(ElementOf('V')).IsAtHome());
        int browsed = -2;
        play.RunWithDialog(kCommandSelectPuzzle, [&](QDialog& dialog) {
            dialog.findChild<QListWidget*>()->setCurrentRow(row);
            browsed = static_cast<SelectPuzzleDialog&>(dialog).Selected();
            confirm ? dialog.accept() : dialog.reject();
        });
        QCOMPARE(browsed, row);
        QFETCH(int, index);
        QCOMPARE(play.Session().CurrentPuzzleIndex(), index);
        QFETCH(bool, placedStays);
        QCOMPARE(!play.ElementAt(ElementOf('V')).IsAtHome(), placedStays);
        QCOMPARE(play.Puzzle().names.In(Language::English), index == 0 ? "One" : "Two");
    }

    // A puzzle file removed or damaged after the scan: the file layer's message, and the board
    // stays on its puzzle with its elements where they were.
    void unreadablePuzzleKeepsTheBoard_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<int>("command");
        QTest::newRow("removed, then Next") << "remove" << int(kCommandNextPuzzle);
        QTest::newRow("cut short, chosen in Select") << "cut" << int(kCommandSelectPuzzle);
        QTest::newRow("made a folder, then Next") << "folder" << int(kCommandNextPuzzle);
    }
    void unreadablePuzzleKeepsTheBoard() {
        QFETCH(QString, damage);
        QFETCH(int, command);
        PlayWindowFixture play({{"1.TLX", PuzzleFile({"XXX", "XXX", "XXX"}, "V", "One")},
                                {"2.TLX", PuzzleFile(kTurnedV, "VL", "Two")}});
        play.DragElementTo(ElementOf('V'), QPoint(play.Puzzle().x, play.Puzzle().y));
        const QImage before = play.Shown().copy();
        const QString second = QString::fromStdString(play.DataPath("2.TLX"));
        QVERIFY(QFile::remove(second));
        if (damage == "cut") {
            WriteBytes(second.toStdString(), PuzzleFile(kTurnedV, "VL", "Two").substr(0, 100));
        } else if (damage == "folder") {
            QVERIFY(QDir().mkdir(second));
        }
        if (command == kCommandSelectPuzzle) {
            play.RunWithDialog(command, [](QDialog& dialog) {
                dialog.findChild<QListWidget*>()->setCurrentRow(1);
                dialog.accept();
            });
        } else {
            play.Window().RunCommand(command);
        }
        // Next has no readable puzzle after it left, as at the end of the library.
        QCOMPARE(play.messages.size(), command == kCommandNextPuzzle ? 2 : 1);
        QVERIFY2(play.messages[0].text.startsWith("Could not read the puzzle file " + second),
                 qPrintable(play.messages[0].text));
        QCOMPARE(play.messages.back().text, command == kCommandNextPuzzle
                                                ? QString("This is the last puzzle.")
                                                : play.messages[0].text);
        QCOMPARE(play.messages[0].caption, QString("Select puzzle"));
        QCOMPARE(play.messages[0].icon, MessageIcon::Exclamation);
        QCOMPARE(play.Session().CurrentPuzzleIndex(), 0);
        QCOMPARE(play.Puzzle().names.In(Language::English), "One");
        QVERIFY(!play.ElementAt(ElementOf('V')).IsAtHome());
        QCOMPARE(play.ElementAt(ElementOf('L')).excluded, 1);
        QCOMPARE(play.Shown(), before);
    }

    // Puzzles 1 to 5, those of `unreadable` removed after the scan; played from `from`, then
    // `steps` run: "next", "previous", or "solve" for the solved sequence.
    void stepsPassUnreadablePuzzles_data() {
        QTest::addColumn<QStringList>("unreadable");
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("to");
        QTest::addColumn<QStringList>("told");  // file numbers, or the end's message
        QTest::newRow("Next passes one")
            << QStringList{"2"} << 0 << "next" << 2 << QStringList{"2"};
        QTest::newRow("Next passes two")
            << QStringList{"2", "3"} << 0 << "next" << 3 << QStringList{"2", "3"};
        QTest::newRow("Previous passes one")
            << QStringList{"4"} << 4 << "previous" << 2 << QStringList{"4"};
        QTest::newRow("none left: the board stays, as at the end")
            << QStringList{"4", "5"} << 2 << "next" << 2
            << QStringList{"4", "5", "This is the last puzzle."};
        QTest::newRow("none left before: the first puzzle's message")
            << QStringList{"1"} << 1 << "previous" << 1
            << QStringList{"1", "This is the first puzzle."};
        QTest::newRow("the step after solving passes it too")
            << QStringList{"2"} << 0 << "solve" << 2
            << QStringList{"Congratulations! You have solved the puzzle!", "2"};
    }
    void stepsPassUnreadablePuzzles() {
        QFETCH(QStringList, unreadable);
        QFETCH(int, from);
        QFETCH(QString, step);
        std::map<std::string, std::string> files;
        for (int number = 1; number <= 5; ++number) {
            files[std::to_string(number) + ".TLX"] =
                PuzzleFile(kTurnedV, "V", "Puzzle " + std::to_string(number));
        }
        PlayWindowFixture play(files);
        play.Window().Commands().SwitchToPuzzle(from);
        for (const QString& number : unreadable) {
            QVERIFY(QFile::remove(play.dataFolder.filePath(number + ".TLX")));
        }
        if (step == "solve") {
            SolveTurnedV(play);
        } else {
            play.Window().RunCommand(step == "next" ? kCommandNextPuzzle : kCommandPreviousPuzzle);
        }
        QTEST(play.Session().CurrentPuzzleIndex(), "to");
        QFETCH(QStringList, told);
        QCOMPARE(play.messages.size(), told.size());
        for (int i = 0; i < told.size(); ++i) {
            const QString file = play.dataFolder.filePath(told[i] + ".TLX");
            QVERIFY2(told[i].size() > 1 ? play.messages[i].text == told[i]
                                        : play.messages[i].text.contains(file),
                     qPrintable(play.messages[i].text));
        }
    }

    // The first puzzle unreadable at the start: the built-in rectangle, and the reason once
    // the window runs.
    void unreadableFirstPuzzleStartsWithTheBuiltInOne() {
        PlayWindowFixture play({{"1.TLX", PuzzleFile(kPlainV, "V", "One").substr(0, 120)},
                                {"2.TLX", PuzzleFile(kTurnedV, "V", "Two")}});
        QCOMPARE(play.Puzzle().names.In(Language::English), "Rectangle 10x6");
        QVERIFY(play.messages.isEmpty());
        QCoreApplication::processEvents();
        QCOMPARE(play.messages.size(), 1);
        QVERIFY(play.messages[0].text.startsWith("Could not read the puzzle file "));
        QVERIFY(play.Window().IsCommandEnabled(kCommandNextPuzzle));
        play.Window().RunCommand(kCommandNextPuzzle);
        QCOMPARE(play.Puzzle().names.In(Language::English), "Two");
    }

    void solvedSequenceStoresTheSolutionAndGoesOn_data() {
        QTest::addColumn<bool>("stored");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("last");
        QTest::addColumn<QString>("failure");  // of the store: vanished, short or failed
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("written");
        QTest::addColumn<int>("indexAfter");
        const QString congratulation = "Congratulations! You have solved the puzzle!";
        const QString question =
            "The puzzle has already had a solution.\nDo you want to overwrite the solution?";
        QTest::newRow("without a stored solution: stored, next puzzle")
            << false << int(MessageResult::Yes) << false << "" << QStringList{congratulation}
            << true << 1;
        QTest::newRow("over a stored solution, Yes: stored, next puzzle")
            << true << int(MessageResult::Yes) << false << ""
            << QStringList{congratulation, question} << true << 1;
        QTest::newRow("over a stored solution, No: nothing written, next puzzle")
            << true << int(MessageResult::No) << false << ""
            << QStringList{congratulation, question} << false << 1;
        QTest::newRow("the last puzzle: stored, the solved board stays")
            << false << int(MessageResult::Yes) << true << ""
            << QStringList{congratulation, "This is the last puzzle."} << true << 0;
        const QStringList notStored{congratulation,
                                    "Could not store the solution in the puzzle file "};
        QTest::newRow("a vanished file: an error, no file, the solved board stays")
            << false << int(MessageResult::Yes) << false << "vanished" << notStored << false << 0;
        QTest::newRow("a short write: an error, the file as it was, the solved board stays")
            << false << int(MessageResult::Yes) << false << "short" << notStored << false << 0;
        QTest::newRow("a write in two parts: stored, next puzzle")
            << false << int(MessageResult::Yes) << false << "partial" << QStringList{congratulation}
            << true << 1;
        QTest::newRow("a failed write: an error, the file as it was, the solved board stays")
            << false << int(MessageResult::Yes) << false << "failed" << notStored << false << 0;
    }
    void solvedSequenceStoresTheSolutionAndGoesOn() {
        QFETCH(bool, stored);
        QFETCH(int, answer);
        QFETCH(bool, last);
        QFETCH(QString, failure);
        const bool vanished = failure == "vanished";
        std::map<std::string, std::string> files{
            {"7.TLX", stored ? PuzzleFile(kTurnedV, "V", "Seven", {{'V', {0, 0, 0, 0}}})
                             : PuzzleFile(kTurnedV, "V", "Seven")}};
        if (!last) {
            files["9.TLX"] = PuzzleFile(kPlainV, "V", "Nine");
        }
        PlayWindowFixture play(files);
        const std::string path = play.DataPath("7.TLX");
        const std::string before = ReadBytes(path);
        if (vanished) {
            QVERIFY(QFile::remove(QString::fromStdString(path)));
        }
        // The first call writes half of what it is given; later ones write all, or nothing when
        // the disk is full.
        play.Window().Commands().SetSolutionWriter(
            [failure, calls = std::make_shared<int>(0)](int fd, const void* data,
                                                        std::size_t size) -> ssize_t {
                if (failure == "failed") {
                    errno = ENOSPC;
                    return -1;
                }
                if (failure == "short" || failure == "partial") {
                    if ((*calls)++ == 0) {
                        return ::write(fd, data, size / 2);
                    }
                    if (failure == "short") {
                        return 0;
                    }
                }
                return ::write(fd, data, size);
            });
        play.answers = {MessageResult::Ok, MessageResult(answer)};
        SolveTurnedV(play);

        QFETCH(QStringList, messages);
        QCOMPARE(play.messages.size(), messages.size());
        for (int i = 0; i < messages.size(); ++i) {
            QVERIFY2(play.messages[i].text.startsWith(messages[i]),
                     qPrintable(play.messages[i].text));
        }
        QCOMPARE(play.messages[0].caption, QString("Seven"));
        QCOMPARE(play.messages[0].icon, MessageIcon::None);
        QFETCH(bool, written);
        std::string expected = before;
        if (written) {
            // V turned twice and mirrored at the corner; every unused element empty.
            const std::string records = [] {
                std::string block(48, '\0');
                block.replace(4 * ElementOf('V'), 4, "\x81\x0C\x00\x00", 4);
                return block;
            }();
            expected.replace(9, 48, records);
        }
        if (vanished) {
            QVERIFY(!QFile::exists(QString::fromStdString(path)));
            QCOMPARE(play.messages[1].icon, MessageIcon::Exclamation);
        } else {
            QCOMPARE(QByteArray::fromStdString(ReadBytes(path)).toHex(' '),
                     QByteArray::fromStdString(expected).toHex(' '));
        }
        // No temporary file is left behind.
        QCOMPARE(QDir(play.dataFolder.path()).entryList(QDir::Files | QDir::Hidden).size(),
                 int(files.size()) - (vanished ? 1 : 0));
        QFETCH(int, indexAfter);
        QCOMPARE(play.Session().CurrentPuzzleIndex(), indexAfter);
        const bool movedOn = indexAfter == 1;
        QCOMPARE(play.Puzzle().names.In(Language::English), movedOn ? "Nine" : "Seven");
        QCOMPARE(play.Puzzle().IsSolved(), !movedOn);
        if (written && !movedOn) {
            QCOMPARE(play.ElementAt(ElementOf('V')).StoredSolution(), (Placement{2, 1, 0, 0}));
        }
    }

    // The steps before the solve: "hint" places every element at its stored place, then a
    // click on the puzzle solves it; otherwise V is turned and dropped.
    void solvedSequenceMarksThePuzzle_data() {
        QTest::addColumn<QByteArray>("before");  // the settings file; empty: none
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("solved: 1") << QByteArray() << "" << QByteArray("[Solved]\n7.TLX=1\n");
        QTest::newRow("after a hint: 2, every other line kept")
            << QByteArray("[Options]\r\nLanguage=1\r\n; mine\r\n[Solved]\r\n3.TLX=2\r\n") << "hint"
            << QByteArray(
                   "[Options]\r\nLanguage=1\r\n; mine\r\n[Solved]\r\n3.TLX=2\r\n7.TLX=2\r\n");
        QTest::newRow("1 is never lowered to 2")
            << QByteArray("[Solved]\n7.tlx=1\n") << "hint" << QByteArray("[Solved]\n7.tlx=1\n");
        QTest::newRow("a hint before switching away and back does not count")
            << QByteArray() << "hint next previous" << QByteArray("[Solved]\n7.TLX=1\n");
    }
    void solvedSequenceMarksThePuzzle() {
        QFETCH(QByteArray, before);
        QFETCH(QString, steps);
        PlayWindowFixture play(
            {{"7.TLX", PuzzleFile(kTurnedV, "V", "Seven", {{'V', {2, 1, 0, 0}}})},
             {"9.TLX", PuzzleFile(kPlainV, "V", "Nine")}});
        if (!before.isEmpty()) {
            WriteBytes(play.SettingsPath(), before.toStdString());
        }
        for (const QString& step : steps.split(' ', Qt::SkipEmptyParts)) {
            if (step == "hint") {
                play.RunWithDialog(kCommandHint, HintOnPuzzle("12"));
            } else {
                play.Window().RunCommand(step == "next" ? kCommandNextPuzzle
                                                        : kCommandPreviousPuzzle);
            }
        }
        if (steps.endsWith("hint")) {
            play.Click(QPoint(play.Puzzle().x + 7, play.Puzzle().y + 7));
        } else {
            SolveTurnedV(play);
        }
        QCOMPARE(play.Session().CurrentPuzzleIndex(), 1);
        QFETCH(QByteArray, after);
        QCOMPARE(QByteArray::fromStdString(ReadBytes(play.SettingsPath())), after);
    }

    // With settings that cannot be written, the congratulation still comes first, and the
    // settings' failure is told once, after it.
    void congratulationComesBeforeTheSettingsFailure() {
        PlayWindowFixture play({{"7.TLX", PuzzleFile(kTurnedV, "V", "Seven")},
                                {"9.TLX", PuzzleFile(kPlainV, "V", "Nine")}});
        QVERIFY(QDir().mkpath(QString::fromStdString(play.SettingsPath())));
        SolveTurnedV(play);
        play.DragElementTo(ElementOf('V'), QPoint(play.Puzzle().x, play.Puzzle().y));
        const QStringList texts = play.MessageTexts();
        QCOMPARE(texts.size(), 4);
        QCOMPARE(texts[0], "Congratulations! You have solved the puzzle!");
        QCOMPARE(play.messages[1].caption, "Settings");
        QCOMPARE(texts[2], "Well, what about next puzzle?");
        QCOMPARE(texts[3], "This is the last puzzle.");
    }

    // Hint from here on a corner of P and V whose solution is stored.
    void hintFromHereSolvesAtOnceOrSaysWhyUnderItsCaption_data() {
        QTest::addColumn<bool>("spoilt");  // V laid first where no solution has it
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");
        QTest::newRow("the last cell covered: congratulated at once")
            << false << "Congratulations! You have solved the puzzle!"
            << "Corner";
        QTest::newRow("a board that cannot be finished")
            << true << "The board cannot be finished. Take away: V."
            << "Hint from here";
    }
    void hintFromHereSolvesAtOnceOrSaysWhyUnderItsCaption() {
        QFETCH(bool, spoilt);
        PlayWindowFixture play({{"1.TLX", PuzzleFile({"XXXX", "XXX.", "XXX."}, "PV", "Corner",
                                                     {{'V', {2, 1, 0, 0}}, {'P', {1, 0, 1, 0}}})}});
        if (spoilt) {
            play.DragElementTo(ElementOf('V'), QPoint(play.Puzzle().x, play.Puzzle().y));
        } else {
            play.Window().RunCommand(kCommandHintFromHere);
        }
        QVERIFY(play.messages.isEmpty());
        play.Window().RunCommand(kCommandHintFromHere);
        QVERIFY(!play.messages.isEmpty());
        QTEST(play.messages[0].text, "text");
        QTEST(play.messages[0].caption, "caption");
    }

    // Select puzzle's preview gives a rated puzzle's level with the reason its path gives.
    void selectGivesTheReasonOfARatedLevel() {
        PlayWindowFixture play({{"1.TLX", PuzzleFile(kPlainV, "V", "One")}});
        play.Window().SetLanguage(Language::English);
        play.settings.WritePreviewSetting(1);
        const std::optional<FileStamp> stamp = StampOf(play.DataPath("1.TLX"));
        QVERIFY(stamp);
        QVERIFY(!SolveRecords(SolveRecords::PathBeside(play.SettingsPath()))
                     .StoreLevels({{"1.tlx", {*stamp, 0}}}));
        play.RunWithDialog(kCommandSelectPuzzle, [](QDialog& dialog) {
            QCOMPARE(dialog.findChild<QLabel*>("levelLabel")->text(),
                     QString("easy: 1 forced step"));
            dialog.reject();
        });
    }

    // Describe board and the jumps from their keys, as shown and as a screen reader hears them.
    void describeBoardAndJumpsAnswerFromTheirKeys_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("heard");  // last
        QTest::addColumn<QString>("shown");  // under Describe board's caption
        const QString summary = "10 free cells in 1 region: 10 from row 1, column 1. Left: P, V.";
        QTest::newRow("Ctrl+B describes the board") << "Ctrl+B" << summary << summary;
        // V's jump to the corner leaves P no place.
        QTest::newRow("Ctrl+Left where nothing fits says so")
            << "Ctrl+Right, Return, Tab, Ctrl+Left"
            << "P fits nowhere"
            << "";
    }
    void describeBoardAndJumpsAnswerFromTheirKeys() {
        QFETCH(QString, keys);
        PlayWindowFixture play({{"1.TLX", PuzzleFile({"XXXX", "XXX.", "XXX."}, "PV", "Corner")}});
        QStringList heard;
        QObject::connect(&play.Board(), &BoardView::announced, [&heard](const BilingualText& text) {
            heard << QString::fromStdString(text.Shown());
        });
        play.Window().show();
        QVERIFY(QTest::qWaitForWindowActive(&play.Window()));
        for (const QString& key : keys.split(", ")) {
            const QKeyCombination pressed = QKeySequence(key, QKeySequence::PortableText)[0];
            QTest::keyClick(&play.Canvas(), pressed.key(), pressed.keyboardModifiers());
        }
        QTEST(heard.value(heard.size() - 1), "heard");
        QString shown;
        for (const MessageRequest& message : play.messages) {
            shown += message.caption == "Describe board" ? message.text : "";
        }
        QTEST(shown, "shown");
    }

    void congratulationsRotateAndTheBuiltInPuzzleIsReset() {
        PlayWindowFixture play;
        QStringList shown;
        for (int solve = 0; solve < 8; ++solve) {
            play.RunWithDialog(kCommandHint, HintOnPuzzle("12"));
            QVERIFY(play.Puzzle().IsSolved());
            QVERIFY(play.messages.isEmpty());
            // A click lifts a placed element and drops it in place: now the puzzle is solved.
            play.Click(QPoint(play.Puzzle().x + 7, play.Puzzle().y + 7));
            QCOMPARE(play.messages.size(), 1);
            QCOMPARE(play.messages[0].caption, QString("Rectangle 10x6"));
            shown << play.messages.takeFirst().text;
            for (const Element& element : play.Session().Elements()) {
                QVERIFY(element.IsAtHome());
            }
        }
        QCOMPARE(shown.first(), QString("Congratulations! You have solved the puzzle!"));
        QCOMPARE(shown.last(), shown.first());
        QCOMPARE(QSet<QString>(shown.begin(), shown.end()).size(), 7);
        QCOMPARE(QDir(play.dataFolder.path()).entryList(QDir::Files), QStringList());
        QVERIFY(!QFile::exists(QString::fromStdString(play.SettingsPath())));
    }

    void hintsReplayTheStoredSolution_data() {
        QTest::addColumn<QString>("count");  // empty: the first option
        QTest::addColumn<bool>("lineExcluded");
        QTest::addColumn<QList<int>>("placed");
        QTest::newRow("orientations in the boxes") << "" << false << QList<int>{};
        QTest::newRow("three on the puzzle, the line excluded")
            << "3" << true << QList<int>{1, 2, 3};
        QTest::newRow("more than the puzzle uses covers it")
            << "12" << false << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    }
    void hintsReplayTheStoredSolution() {
        QFETCH(QString, count);
        QFETCH(bool, lineExcluded);
        QFETCH(QList<int>, placed);
        PlayWindowFixture play;
        if (lineExcluded) {
            play.ElementAt(0).excluded = 1;
            play.Board().Paint();
        }
        play.DragElementTo(ElementOf('X'), QPoint(play.Puzzle().x + 60, play.Puzzle().y));
        play.RunWithDialog(kCommandHint, HintOnPuzzle(count));
        QVERIFY(play.messages.isEmpty());
        int covered = 0;
        for (const Element& element : play.Session().Elements()) {
            if (element.excluded != 0) {
                continue;
            }
            QCOMPARE(!element.IsAtHome(), placed.contains(element.id));
            if (count.isEmpty() || placed.contains(element.id)) {
                QCOMPARE(element.Rotation(), element.solutionRotation);
                QCOMPARE(element.Mirrored(), element.solutionMirrored);
            }
            covered += element.IsAtHome() ? 0 : kElementCells;
        }
        const std::vector<int>& cells = play.Puzzle().cells;
        QCOMPARE(std::count(cells.begin(), cells.end(), 2), covered);
    }

    void hintWithoutAStoredSolutionOnlySaysSo() {
        PlayWindowFixture play(
            {{"1.TLX", PuzzleFile(kPlainV, "VP", "One", {{'V', {0, 0, 0, 0}}})}});
        play.Window().RunCommand(kCommandHint);
        QCOMPARE(play.MessageTexts(),
                 QStringList{
                     "Alas! The puzzle hasn't had the solution yet.\nSo go ahead and you do it!"});
        QCOMPARE(play.messages[0].caption, QString("Message"));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    // The puzzle's own file goes to the clipboard; Open takes the clipboard's code, and plays
    // the library's puzzle of the same shape, or a new file from 200 on, or nothing.
    void puzzleCodesTravelThroughTheClipboard_data() {
        QTest::addColumn<QString>("opened");  // "copied", "new" or a bad code
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("count");
        QTest::newRow("the same shape switches to its puzzle") << "copied" << 0 << 2;
        QTest::newRow("a new shape is written as 200") << "new" << 2 << 3;
        QTest::newRow("a bad code opens nothing") << "TLX1-AAAA" << 1 << 2;
    }
    void puzzleCodesTravelThroughTheClipboard() {
        QFETCH(QString, opened);
        QFETCH(int, position);
        QFETCH(int, count);
        PlayWindowFixture play({{"1.TLX", PuzzleFile(kTurnedV, "V", "Corner")},
                                {"2.TLX", PuzzleFile({"XXXXX"}, "I", "Line")}});
        play.Window().show();
        QVERIFY(QTest::qWaitForWindowActive(&play.Window()));
        QTest::keyClick(&play.Window(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const Result<PuzzleFileData> copied =
            DecodePuzzleCode(QGuiApplication::clipboard()->text().toStdString());
        QVERIFY(copied && *copied == ReadPuzzleFile(play.DataPath("1.TLX")).data);

        // The corner's mirror image, "XXX / X.. / X..", is another shape.
        PuzzleFileData added = *copied;
        added.grid[2 * kGridSide + 1] = added.grid[2 * kGridSide + 2] = 0;
        added.grid[1] = added.grid[2] = 1;
        const Result<std::string> code = EncodePuzzleCode(added);
        QVERIFY(code);
        if (opened == "new") {
            QGuiApplication::clipboard()->setText(QString::fromStdString(*code));
        } else if (opened != "copied") {
            QGuiApplication::clipboard()->setText(opened);
        }
        const QString offered = QGuiApplication::clipboard()->text();
        play.Window().Commands().SwitchToPuzzle(1);
        play.RunWithDialog(kCommandOpenCode, [&](QDialog& dialog) {
            QCOMPARE(dialog.findChild<QLineEdit*>("codeEdit")->text(), offered);
            const bool valid = opened == "copied" || opened == "new";
            QCOMPARE(dialog.findChild<QPushButton*>("openButton")->isEnabled(), valid);
            QCOMPARE(dialog.findChild<QLabel*>("namesLabel")->text().contains("Corner"), valid);
            QTest::keyClick(&dialog, valid ? Qt::Key_Return : Qt::Key_Escape);
        });
        QCOMPARE(play.Session().CurrentPuzzleIndex(), position);
        QCOMPARE(play.library.count(), count);
        QVERIFY(play.messages.isEmpty());
        QCOMPARE(QFile::exists(QString::fromStdString(play.DataPath("200.TLX"))), opened == "new");
        if (opened == "new") {
            const Result<std::string> bytes = EncodePuzzleFile(added);
            QVERIFY(bytes);
            QCOMPARE(ReadBytes(play.DataPath("200.TLX")), *bytes);
        }
        play.Window().RunCommand(kCommandEditor);
        QVERIFY(!play.Window().IsCommandEnabled(kCommandCopyCode));
        QVERIFY(!play.Window().IsCommandEnabled(kCommandOpenCode));
    }
};

}  // namespace tessellix

QTEST_MAIN(tessellix::PlayCommandsTest)
#include "test_play_commands.moc"
