// The statistics dialog over a small library with records of the test's own: the counts, the
// streaks, levels from the records and rated while it is open, the table's order after a click
// on a column, solves per day, and Reset statistics.

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "library/puzzle_library.h"
#include "library/settings.h"
#include "library/solve_records.h"
#include "platform/message_box.h"
#include "play/solves_chart.h"
#include "play/statistics_dialog.h"
#include "tests/puzzle_bytes.h"

namespace tessellix {

namespace {

constexpr CalendarDate kToday{2026, 12, 10};

CalendarDate Day(int day) {
    return {2026, 12, day};
}

// A puzzle of the I element alone, five cells in a row; quick to rate.
std::string LinePuzzle(const std::string& name) {
    HandFile file;
    file.Cells({"XXXXX"});
    for (auto& record : file.records) {
        record = {0, 0, 0, 0};
    }
    file.records[0] = {0x01, 0, 0, 0};
    file.text = "\1" + name;
    return file.Bytes();
}

QString Text(const QDialog& dialog, const char* label) {
    return dialog.findChild<QLabel*>(label)->text();
}

// The numbers column from the top.
QStringList Numbers(const QTableWidget& table) {
    QStringList numbers;
    for (int row = 0; row < table.rowCount(); ++row) {
        numbers << table.item(row, 0)->text();
    }
    return numbers;
}

}  // namespace

class StatisticsDialogTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<QTemporaryDir> folder;
    PuzzleLibrary library;
    Settings settings;
    SolveRecords records;

  private slots:
    void init() {
        SetCurrentLanguage(Language::English);
        folder = std::make_unique<QTemporaryDir>();
        for (const char* name : {"1", "2", "3", "4", "5"}) {
            WriteBytes(folder->filePath(QString(name) + ".TLX").toStdString(),
                       LinePuzzle(std::string("Line ") + name));
        }
        library.ScanDataFolder(folder->path().toStdString());
        const std::string settingsPath = folder->filePath("tessellix.ini").toStdString();
        settings = Settings(settingsPath);
        records = SolveRecords(SolveRecords::PathBeside(settingsPath));
        // 1 easy, 2 medium, 3 and 4 hard, as if rated before; 5 is rated by the dialog.
        std::map<std::string, CachedLevel> levels;
        const int known[] = {0, 1, 2, 2};
        for (int i = 0; i < 4; ++i) {
            const std::string name = std::to_string(i + 1) + ".TLX";
            levels[name] = {*StampOf(library.PathOf(*library.RecordAt(i))), known[i]};
        }
        records.StoreLevels(levels);
        // Solves on the 1st to 4th and the 8th to 10th; the days' puzzles of the 9th and 10th
        // on their day, the 5th's late.
        for (int day : {1, 2, 3, 4, 8, 9, 10}) {
            records.AddSolve({"1.TLX", 100 + day, false, Day(day), std::nullopt});
        }
        records.AddSolve({"2.TLX", 40, true, Day(9), Day(9)});
        records.AddSolve({"2.TLX", 50, true, Day(10), Day(10)});
        records.AddSolve({"2.TLX", 70, true, Day(10), Day(5)});
        // 3 is marked solved by a version without records; 4 and 5 are unsolved.
        settings.MarkSolved("1.TLX", false);
        settings.MarkSolved("2.TLX", true);
        settings.MarkSolved("3.TLX", false);
    }
    void cleanup() { SetMessageResponder({}); }

    void countsAndStreaks() {
        StatisticsDialog dialog(library, settings, kToday, nullptr);
        QCOMPARE(Text(dialog, "solvedLabel"), "Solved: 3 of 5");
        QCOMPARE(Text(dialog, "streakLabel"), "Days in a row with a solve: now 3, longest 4");
        QCOMPARE(Text(dialog, "dailyLabel"),
                 "Puzzles of the day: solved 3, on their day in a row: 2");
        QTRY_VERIFY(!dialog.Rating());
        QCOMPARE(Text(dialog, "levelsLabel"), "Easy: 1 of 2 · Medium: 1 of 1 · Hard: 1 of 2");
        QVERIFY(dialog.findChild<QLabel*>("ratingLabel")->isHidden());
        const QList<qreal> perDay = dialog.findChild<SolvesChart*>("solvesChart")->Values();
        QCOMPARE(perDay.size(), SolvesChart::kDays);
        QCOMPARE(perDay.mid(perDay.size() - 3), (QList<qreal>{1, 2, 3}));
    }

    void levelsRatedWhileOpenAreKept() {
        {
            StatisticsDialog dialog(library, settings, kToday, nullptr);
            QTRY_VERIFY(!dialog.Rating());
        }
        const FileStamp stamp = *StampOf(library.PathOf(*library.RecordAt(4)));
        QCOMPARE(records.Read().LevelOf("5.TLX", stamp), std::optional(0));
    }

    void aClickOnAColumnSortsByIt_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QStringList>("numbers");
        QTest::newRow("best time, fastest first") << 3 << 1 << QStringList{"2", "1"};
        QTest::newRow("solves, most first") << 4 << 2 << QStringList{"1", "2"};
        QTest::newRow("number again, highest first")
            << 0 << 1 << QStringList{"5", "4", "3", "2", "1"};
    }
    void aClickOnAColumnSortsByIt() {
        QFETCH(int, column);
        QFETCH(int, clicks);
        StatisticsDialog dialog(library, settings, kToday, nullptr);
        dialog.show();
        QTRY_VERIFY(!dialog.Rating());
        auto* table = dialog.findChild<QTableWidget*>("puzzleTable");
        QHeaderView* header = table->horizontalHeader();
        const QPoint onTitle(header->sectionViewportPosition(column) + 5, header->height() / 2);
        for (int click = 0; click < clicks; ++click) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, onTitle);
        }
        QFETCH(QStringList, numbers);
        // Unsolved puzzles tie, so only the first rows' order is the rule's.
        QCOMPARE(Numbers(*table).mid(0, numbers.size()), numbers);
    }

    void resetAsksAndClearsRecordsAndMarks_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes clears") << true;
        QTest::newRow("No keeps") << false;
    }
    void resetAsksAndClearsRecordsAndMarks() {
        QFETCH(bool, yes);
        QStringList asked;
        SetMessageResponder([&](const MessageRequest& request) {
            asked << request.text;
            return yes ? MessageResult::Yes : MessageResult::No;
        });
        StatisticsDialog dialog(library, settings, kToday, nullptr);
        dialog.findChild<QPushButton*>("resetButton")->click();
        QCOMPARE(asked.size(), 1);
        QVERIFY(asked[0].startsWith("Reset the statistics?"));
        QCOMPARE(Text(dialog, "solvedLabel"), yes ? "Solved: 0 of 5" : "Solved: 3 of 5");
        QCOMPARE(settings.ReadSolvedMarks({"1.TLX", "3.TLX"}),
                 yes ? std::vector<SolvedMark>(2, SolvedMark::None)
                     : (std::vector{SolvedMark::Solved, SolvedMark::Solved}));
        QCOMPARE(records.Read().puzzles.empty(), yes);
        QCOMPARE(
            Text(dialog, "streakLabel").endsWith(yes ? "now 0, longest 0" : "now 3, longest 4"),
            true);
    }
};

}  // namespace tessellix

QTEST_MAIN(tessellix::StatisticsDialogTest)
#include "test_statistics_dialog.moc"
