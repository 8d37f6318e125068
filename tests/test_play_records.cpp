// The records and the clock on the real main window, with a clock and a date of the test's
// own: what a solve keeps, when the clock runs, the clock in the title, a damaged records
// file at the start, and the puzzle of the day against the tool's file.

#include <QDir>
#include <QListWidget>
#include <QtTest>

#include "dialogs/select_puzzle_dialog.h"
#include "library/solve_records.h"
#include "tests/play_window_fixture.h"
#include "tests/puzzle_tool_process.h"

namespace tessellix {

namespace {

constexpr int kV = 4;  // ILYNVTZFWUXP
constexpr CalendarDate kToday{2026, 12, 8};

// A puzzle of V alone, turned twice and mirrored at the grid's corner, with that solution stored.
std::string VeePuzzle() {
    HandFile file;
    file.Cells({"X..", "X..", "XXX"});
    for (auto& record : file.records) {
        record = {0, 0, 0, 0};
    }
    file.records[kV] = {0x81, 2 * 2 + 8, 0, 0};
    file.text = "\1Vee";
    return file.Bytes();
}

constexpr int kF = 7;
constexpr int kU = 9;
constexpr int kP = 11;

// The 3 x 5 rectangle of F, U and P, without a stored solution.
std::string RectanglePuzzle() {
    HandFile rectangle;
    rectangle.Cells({"XXXXX", "XXXXX", "XXXXX"});
    for (auto& record : rectangle.records) {
        record = {0, 0, 0, 0};
    }
    for (const int used : {kF, kU, kP}) {
        rectangle.records[used] = {0x01, 0, 0, 0};
    }
    return rectangle.Bytes();
}

std::map<std::string, std::string> WithVee(std::map<std::string, std::string> files) {
    files.emplace("1.TLX", VeePuzzle());
    return files;
}

// A window over the Vee puzzle, and any `more` files, whose clock reads `now` and whose date is
// kToday.
struct VeeWindow {
    std::int64_t now = 1000000;
    PlayWindowFixture play;

    explicit VeeWindow(std::map<std::string, std::string> more = {})
        : play(WithVee(std::move(more))) {
        play.Session().Clock().SetTimeSource([this] { return now; });
        play.Window().Commands().SetDateSource([] { return kToday; });
    }
    PlayClock& Clock() { return play.Session().Clock(); }
    QPoint OnV() { return QPoint(play.ElementAt(kV).x + 7, play.ElementAt(kV).y + 7); }
    // Turns V into its place in its box, by hand or by the hint.
    void TurnV(bool byHint) {
        if (byHint) {
            play.RunWithDialog(kCommandHint,
                               [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); });
            return;
        }
        play.Click(OnV());
        play.Click(OnV());
        play.Click(OnV(), Qt::RightButton);
    }
    void DropV() { play.DragElementTo(kV, QPoint(play.Puzzle().x, play.Puzzle().y)); }
    SolveRecords Records() { return SolveRecords(SolveRecords::PathBeside(play.SettingsPath())); }
};

}  // namespace

class PlayRecordsTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { SetCurrentLanguage(Language::English); }

    void aSolveKeepsTheTimeFromTheFirstMoveAndItsHint_data() {
        QTest::addColumn<bool>("hint");
        QTest::newRow("on one's own") << false;
        QTest::newRow("after a hint") << true;
    }
    void aSolveKeepsTheTimeFromTheFirstMoveAndItsHint() {
        QFETCH(bool, hint);
        VeeWindow vee;
        vee.now += 5000;
        vee.TurnV(hint);
        vee.now += 90000;
        vee.DropV();
        QVERIFY(vee.play.MessageTexts().contains("Congratulations! You have solved the puzzle!"));
        const PuzzleStats* stats = vee.Records().Read().Find("1.TLX");
        QVERIFY(stats != nullptr);
        QCOMPARE(stats->bestSeconds, 90);
        QCOMPARE(stats->bestWithHint, hint);
        QCOMPARE(stats->solves, 1);
        QCOMPARE(stats->lastSolved, kToday);
        QCOMPARE(vee.play.SolvedMarks({"1.TLX"}), hint ? "2" : "1");
        // The board stays solved after the last puzzle; its next round starts afresh.
        QCOMPARE(vee.Clock().ElapsedMs(), 0);
        QVERIFY(!vee.Clock().Running());

        // A restart reads them back: the Select dialog's line tells the count and the best time.
        SelectPuzzleDialog dialog(vee.play.library, vee.play.settings, 0, nullptr);
        const QListWidgetItem* line = dialog.findChild<QListWidget*>("puzzleList")->item(0);
        QCOMPARE(line->toolTip(), hint ? "Solved: 1 of 1\nBest time: 1:30 (with a hint)"
                                       : "Solved: 1 of 1\nBest time: 1:30");
        QCOMPARE(line->data(Qt::AccessibleDescriptionRole).toString(), line->toolTip());
    }

    void undoDoesNotStopTheClock() {
        VeeWindow vee;
        vee.play.Click(vee.OnV());
        vee.now += 1000;
        vee.play.Window().RunCommand(kCommandUndo);
        QVERIFY(!vee.play.Session().CanUndo());
        vee.now += 2000;
        QCOMPARE(vee.Clock().ElapsedMs(), 3000);
    }

    void theClockPausesWhileNobodyPlays_data() {
        QTest::addColumn<bool>("minimised");
        QTest::newRow("the window minimised") << true;
        QTest::newRow("editor mode") << false;
    }
    void theClockPausesWhileNobodyPlays() {
        QFETCH(bool, minimised);
        VeeWindow vee;
        MainWindow& window = vee.play.Window();
        window.show();
        vee.play.Click(vee.OnV());
        vee.now += 1000;
        minimised ? window.setWindowState(Qt::WindowMinimized) : window.RunCommand(kCommandEditor);
        QVERIFY(vee.Clock().Paused());
        vee.now += 60000;
        minimised ? window.setWindowState(Qt::WindowNoState) : window.RunCommand(kCommandReturn);
        QVERIFY(!vee.Clock().Paused());
        vee.now += 2000;
        QCOMPARE(vee.Clock().ElapsedMs(), 3000);
    }

    void showClockPutsTheTimeInTheTitle() {
        VeeWindow vee;
        MainWindow& window = vee.play.Window();
        window.RunCommand(kCommandShowClock);
        QVERIFY(window.IsCommandChecked(kCommandShowClock));
        QVERIFY(vee.play.settings.ReadShowClockSetting());
        QCOMPARE(window.windowTitle(), "Vee — 0:00");
        vee.play.Click(vee.OnV(), Qt::RightButton);
        const QImage board = vee.play.Shown().copy();
        vee.now += 155000;
        QTRY_COMPARE(window.windowTitle(), "Vee — 2:35");
        // The time is in the title only.
        QCOMPARE(vee.play.Shown(), board);
        window.SetLanguage(Language::Russian);
        QCOMPARE(window.windowTitle(), "Задание 1 — 2:35");
        window.RunCommand(kCommandShowClock);
        QCOMPARE(window.windowTitle(), "Tessellix");
        QVERIFY(!vee.play.settings.ReadShowClockSetting());
    }

    void aDamagedRecordsFileIsSetAsideWithOneMessage() {
        VeeWindow vee;
        const std::string path = vee.Records().Path();
        WriteBytes(path, "[1.TLX]\nSolves=lots\n");
        // The window tells it once the event loop runs; a second start finds nothing to tell.
        QTRY_COMPARE(vee.play.messages.size(), 1);
        QVERIFY(vee.play.MessageTexts()[0].contains("is damaged"));
        QCOMPARE(ReadBytes(path + ".bak"), std::string("[1.TLX]\nSolves=lots\n"));
        MainWindow again(vee.play.library, vee.play.settings);
        QTest::qWait(50);
        QCOMPARE(vee.play.messages.size(), 1);
    }

    void puzzleOfTheDayIsTheToolsFile_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("comment");
        QTest::newRow("a Monday, easy") << "2026-12-07"
                                        << "Level: easy. The puzzle has 1 solution.";
        QTest::newRow("a Saturday, hard") << "2026-12-12"
                                          << "Level: hard. The puzzle has 1 solution.";
    }
    void puzzleOfTheDayIsTheToolsFile() {
        QFETCH(QString, date);
        QFETCH(QString, comment);
        PlayWindowFixture play({{"1.TLX", VeePuzzle()}, {"200.TLX", VeePuzzle()}});
        const CalendarDate day = *CalendarDate::Parse(date.toStdString());
        play.Window().Commands().SetDateSource([day] { return day; });
        play.Window().RunCommand(kCommandPuzzleOfTheDay);
        const PuzzleRecord* record = play.Session().CurrentRecord();
        QCOMPARE(record->fileName, "201.TLX");
        QCOMPARE(record->names, (BilingualText("Задание дня " + date.toStdString(),
                                               "Puzzle of the day " + date.toStdString())));
        QCOMPARE(QString::fromStdString(record->comments.In(Language::English)), comment);

        QTemporaryDir toolFolder;
        const ToolRun run = RunPuzzleTool({"daily", "--date", date, toolFolder.path()});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(ReadBytes(toolFolder.filePath("200.TLX").toStdString()),
                 ReadBytes(play.DataPath("201.TLX")));

        // Once written, the command goes back to it.
        play.Window().RunCommand(kCommandPreviousPuzzle);
        play.Window().RunCommand(kCommandPuzzleOfTheDay);
        QCOMPARE(play.Session().CurrentRecord()->fileName, "201.TLX");
        QCOMPARE(QDir(play.dataFolder.path()).entryList(QDir::Files).size(), 3);
    }

    void dayAndStatisticsWaitForPlayModeAndCtrlD() {
        VeeWindow vee;
        MainWindow& window = vee.play.Window();
        window.show();
        window.RunCommand(kCommandEditor);
        for (const int command : {kCommandPuzzleOfTheDay, kCommandStatistics, kCommandShowClock}) {
            QVERIFY(!window.IsCommandEnabled(command));
        }
        QTest::keyClick(window.windowHandle(), Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(vee.play.library.count(), 1);
        window.RunCommand(kCommandReturn);
        QTest::keyClick(window.windowHandle(), Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(vee.play.library.count(), 2);
    }

    // A half-done board left for another puzzle, the editor or the end of the game comes back
    // with its time, once Keep unfinished boards is on; Reset forgets it. Show mistakes marks a
    // drop that spoils the board.
    void unfinishedBoardsAreKeptAndMistakesShownWhenAsked() {
        PlayWindowFixture play({{"1.TLX", RectanglePuzzle()}, {"2.TLX", VeePuzzle()}});
        std::int64_t now = 1000000;
        play.Session().Clock().SetTimeSource([&now] { return now; });
        MainWindow& window = play.Window();
        QCOMPARE(play.Session().CurrentRecord()->fileName, "1.TLX");
        const QPoint corner(play.Puzzle().x, play.Puzzle().y);
        const auto leaveAndComeBack = [&] {
            play.DragElementTo(kU, corner);
            QCOMPARE(play.Session().PlacedInOrder(), std::vector<int>{kU});
            now += 7000;
            window.RunCommand(kCommandNextPuzzle);
            window.RunCommand(kCommandPreviousPuzzle);
        };
        // Off at first: the board starts afresh.
        leaveAndComeBack();
        QVERIFY(play.Session().PlacedInOrder().empty());
        QVERIFY(!play.settings.ReadKeptBoard("1.TLX"));

        window.RunCommand(kCommandKeepBoards);
        QVERIFY(play.settings.ReadKeepBoardsSetting());
        leaveAndComeBack();
        QCOMPARE(play.Session().PlacedInOrder(), std::vector<int>{kU});
        QVERIFY(!play.Session().CanUndo());
        QCOMPARE(play.Session().Clock().ElapsedSeconds(), 7);
        QCOMPARE(play.Shown(), play.FullComposition());

        // The editor and quitting keep it as well.
        window.RunCommand(kCommandEditor);
        window.RunCommand(kCommandReturn);
        QVERIFY(play.settings.ReadKeptBoard("1.TLX"));
        window.RunCommand(kCommandReset);
        QVERIFY(!play.settings.ReadKeptBoard("1.TLX"));
        // Shown mistakes: U a column in leaves three cells that nothing can fill.
        window.RunCommand(kCommandShowMistakes);
        QVERIFY(play.settings.ReadShowMistakesSetting());
        play.DragElementTo(kU, corner + QPoint(kCellSize, 0));
        QCOMPARE(play.Session().Marked(), std::vector<int>{kU});
        QCOMPARE(play.Shown(), play.FullComposition());
        window.close();
        QCOMPARE(QString::fromStdString(play.settings.ReadKeptBoard("1.TLX").value_or("")),
                 QString("7 U0@1,0"));
    }

    // The solved sequence goes on to a puzzle whose kept board comes back with its time, or is
    // told of when it no longer fits, the puzzle starting afresh.
    void solvingOnToAKeptBoard_data() {
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QStringList>("told");
        QTest::newRow("that fits: back with its time") << "7 U0@1,0" << QStringList{};
        QTest::newRow("that no longer fits: told")
            << "7 I0@0,0"
            << QStringList{"The kept board's I does not fit on this puzzle where it was."};
    }
    void solvingOnToAKeptBoard() {
        QFETCH(QString, kept);
        QFETCH(QStringList, told);
        VeeWindow vee({{"2.TLX", RectanglePuzzle()}});
        PlayWindowFixture& play = vee.play;
        play.Window().RunCommand(kCommandKeepBoards);
        QVERIFY(!play.settings.KeepBoard("2.TLX", kept.toStdString()));
        vee.TurnV(false);
        vee.DropV();
        QCOMPARE(play.Session().CurrentRecord()->fileName, "2.TLX");
        QCOMPARE(play.MessageTexts(),
                 QStringList{"Congratulations! You have solved the puzzle!"} + told);
        if (!told.isEmpty()) {
            QCOMPARE(play.messages[1].caption, "Keep unfinished boards");
        }
        QCOMPARE(play.Session().PlacedInOrder(),
                 told.isEmpty() ? std::vector<int>{kU} : std::vector<int>{});
        QCOMPARE(vee.Clock().ElapsedSeconds(), told.isEmpty() ? 7 : 0);
    }
};

}  // namespace tessellix

QTEST_MAIN(tessellix::PlayRecordsTest)
#include "test_play_records.moc"
