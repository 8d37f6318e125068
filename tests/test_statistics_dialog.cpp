// The statistics dialog over a small library with records of the test's own: the counts, the
// streaks, levels from the shipped table, from the records and rated while it is open, the
// table's order after a click on a column, solves per day, best times without a hint as m:ss,
// every label whole in both languages, and Reset statistics.

#include <QChartView>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
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
#include "platform/window_text.h"
#include "play/best_times_chart.h"
#include "play/solves_chart.h"
#include "play/statistics_dialog.h"
#include "tests/puzzle_bytes.h"

Q_DECLARE_METATYPE(tessellix::Language)

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

// A column's texts from the top; the first column holds the numbers.
QStringList Column(const QTableWidget& table, int column = 0) {
    QStringList texts;
    for (int row = 0; row < table.rowCount(); ++row) {
        texts << table.item(row, column)->text();
    }
    return texts;
}

// Every text that a chart draws: title, axis titles and labels, legend.
QStringList ChartTexts(const QChartView& chart) {
    QStringList texts;
    for (const QGraphicsItem* item : chart.scene()->items()) {
        if (const auto* text = dynamic_cast<const QGraphicsTextItem*>(item)) {
            texts << text->toPlainText();
        }
    }
    return texts;
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
        StatisticsDialog dialog(library, settings, {}, kToday, nullptr);
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
            StatisticsDialog dialog(library, settings, {}, kToday, nullptr);
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
        StatisticsDialog dialog(library, settings, {}, kToday, nullptr);
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
        QCOMPARE(Column(*table).mid(0, numbers.size()), numbers);
    }

    // 1's best, 1:41, was its own; 2's, 0:40, had a hint and is no record of its level.
    void bestTimesByLevelLeaveOutSolvesWithAHint() {
        StatisticsDialog dialog(library, settings, {}, kToday, nullptr);
        QTRY_VERIFY(!dialog.Rating());
        QCOMPARE(Column(*dialog.findChild<QTableWidget*>("puzzleTable"), 3),
                 (QStringList{"1:41", "0:40", "", "", ""}));
        QCOMPARE(dialog.findChild<BestTimesChart*>("bestTimesChart")->BarTexts().mid(0, 4),
                 (QStringList{"Fastest, Easy: 1:41", "Average, Easy: 1:41", "Fastest, Medium: 0:00",
                              "Average, Medium: 0:00"}));
    }

    void theTimeAxisReadsMinutesAndSeconds_data() {
        QTest::addColumn<std::vector<int>>("easyTimes");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("seconds") << std::vector{7, 9} << QStringList{"0:00", "0:05", "0:10"};
        QTest::newRow("minutes") << std::vector{101}
                                 << QStringList{"0:00", "0:30", "1:00", "1:30", "2:00"};
        QTest::newRow("past an hour")
            << std::vector{3600, 4000}
            << QStringList{"0:00", "15:00", "30:00", "45:00", "1:00:00", "1:15:00"};
    }
    void theTimeAxisReadsMinutesAndSeconds() {
        QFETCH(std::vector<int>, easyTimes);
        BestTimesChart chart;
        chart.Show({easyTimes, {}, {}});
        QTEST(chart.TimeLabels(), "labels");
    }

    void everyLabelIsWholeAtTheWindowsSize_data() {
        QTest::addColumn<Language>("language");
        QTest::newRow("Russian") << Language::Russian;
        QTest::newRow("English") << Language::English;
    }
    void everyLabelIsWholeAtTheWindowsSize() {
        QFETCH(Language, language);
        SetCurrentLanguage(language);
        StatisticsDialog dialog(library, settings, {}, kToday, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTRY_VERIFY(!dialog.Rating());
        QStringList drawn;
        for (const QChartView* chart : dialog.findChildren<QChartView*>()) {
            drawn << ChartTexts(*chart);
        }
        for (const Level level : kLevels) {
            QVERIFY2(drawn.contains(Shown(LevelGroup(level))), qPrintable(drawn.join(" | ")));
        }
        const QRegularExpression cut(QStringLiteral("\\.\\.\\.|\u2026"));
        QVERIFY2(drawn.filter(cut).isEmpty(), qPrintable(drawn.join(" | ")));
        const QHeaderView* header =
            dialog.findChild<QTableWidget*>("puzzleTable")->horizontalHeader();
        for (int section = 0; section < header->count(); ++section) {
            QVERIFY(header->sectionSizeHint(section) <= header->sectionSize(section));
        }
    }

    // Every line puzzle has the same cells and elements, so the shipped table knows them all.
    void theShippedPuzzlesLevelsAreKnownAtOnce_data() {
        QTest::addColumn<bool>("changed");
        QTest::newRow("a shipped puzzle as shipped") << false;
        QTest::newRow("a shipped puzzle changed since") << true;
    }
    void theShippedPuzzlesLevelsAreKnownAtOnce() {
        QFETCH(bool, changed);
        PuzzleFileData shipped = DecodePuzzleFile(LinePuzzle("Line")).data;
        shipped.elements[1].used = changed;
        ShippedLevels levels;
        levels.Add("5.TLX", shipped, Level::Hard);
        StatisticsDialog dialog(library, settings, levels, kToday, nullptr);
        QCOMPARE(dialog.Rating(), changed);
        QTRY_VERIFY(!dialog.Rating());
        QCOMPARE(Column(*dialog.findChild<QTableWidget*>("puzzleTable"), 2).last(),
                 changed ? "easy" : "hard");
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
        StatisticsDialog dialog(library, settings, {}, kToday, nullptr);
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
