// The puzzle of the day: how the date gives the seed and the level, that one date always gives
// the same file and two dates different ones, how its names are recognised, and the tool's
// daily command with and without a date.

#include <QDate>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "solver/daily_puzzle.h"
#include "tests/puzzle_bytes.h"
#include "tests/puzzle_tool_process.h"

namespace tessellix {

namespace {

// The file the date's puzzle makes, as the game writes it.
std::string DailyBytes(const QTemporaryDir& folder, const CalendarDate& date, const char* name) {
    const GeneratedPuzzle puzzle = GenerateDaily(date);
    if (puzzle.status != GeneratorStatus::Generated) {
        return {};
    }
    const std::string path = folder.filePath(name).toStdString();
    if (WritePuzzleFile(path, puzzle.data)) {
        return {};
    }
    return ReadBytes(path);
}

}  // namespace

class DailyPuzzleTest : public QObject {
    Q_OBJECT
  private slots:
    void dateGivesSeedAndLevel_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<qulonglong>("seed");
        QTest::addColumn<int>("level");
        QTest::newRow("Monday easy") << "2026-12-07" << 20261207ULL << int(Level::Easy);
        QTest::newRow("Tuesday easy") << "2026-12-08" << 20261208ULL << int(Level::Easy);
        QTest::newRow("Wednesday medium") << "2026-12-09" << 20261209ULL << int(Level::Medium);
        QTest::newRow("Thursday medium") << "2026-12-10" << 20261210ULL << int(Level::Medium);
        QTest::newRow("Friday hard") << "2026-12-11" << 20261211ULL << int(Level::Hard);
        QTest::newRow("Sunday hard, a leap day") << "2032-02-29" << 20320229ULL << int(Level::Hard);
    }
    void dateGivesSeedAndLevel() {
        QFETCH(QString, date);
        const GeneratorRequest request = DailyRequest(*CalendarDate::Parse(date.toStdString()));
        QTEST(qulonglong(request.seed), "seed");
        QTEST(int(request.level), "level");
        QCOMPARE(request.elements, 0u);
        QCOMPARE(request.elementCount, 12);
    }

    void aDateGivesTheSameFileAndAnotherDateAnother() {
        QTemporaryDir folder;
        const CalendarDate first{2026, 12, 8};
        const CalendarDate second{2026, 12, 9};
        const std::string once = DailyBytes(folder, first, "a.TLX");
        QVERIFY(!once.empty());
        QCOMPARE(DailyBytes(folder, first, "b.TLX"), once);
        const std::string other = DailyBytes(folder, second, "c.TLX");
        QVERIFY(!other.empty());
        QVERIFY(other != once);
    }

    void namesTellThePuzzleOfTheDay_data() {
        QTest::addColumn<QString>("russian");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("date");  // empty: none
        QTest::newRow("as written") << "Задание дня 2026-12-08"
                                    << "Puzzle of the day 2026-12-08"
                                    << "2026-12-08";
        QTest::newRow("the English name renamed") << "Задание дня 2026-12-08"
                                                  << "Mine"
                                                  << "2026-12-08";
        QTest::newRow("no date") << "Задание дня"
                                 << "Puzzle of the day"
                                 << "";
        QTest::newRow("no such date") << ""
                                      << "Puzzle of the day 2026-02-30"
                                      << "";
        QTest::newRow("another puzzle") << "Лёгкое задание 7K2M"
                                        << "Easy puzzle 7K2M"
                                        << "";
    }
    void namesTellThePuzzleOfTheDay() {
        QFETCH(QString, russian);
        QFETCH(QString, english);
        QFETCH(QString, date);
        const auto found = DailyDateOf({russian.toStdString(), english.toStdString()});
        QCOMPARE(found ? QString::fromStdString(found->Text()) : QString(), date);
        if (found) {
            QCOMPARE(DailyNames(*found).In(Language::English),
                     "Puzzle of the day " + found->Text());
        }
    }

    void toolWritesTheDayOnceAndRefusesABadDate() {
        QTemporaryDir folder;
        const QString today = QDate::currentDate().toString(Qt::ISODate);
        ToolRun run = RunPuzzleTool({"daily", folder.path()});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains("200.TLX: puzzle of the day " + today.toUtf8()), run.out);
        run = RunPuzzleTool({"daily", "--date", today, folder.path()});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains("200.TLX: already the puzzle of the day"), run.out);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 1);
        run = RunPuzzleTool({"daily", "--date", "2026-13-01", folder.path()});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains("--date takes a date as YYYY-MM-DD"), run.err);
    }
};

}  // namespace tessellix

QTEST_GUILESS_MAIN(tessellix::DailyPuzzleTest)
#include "test_daily_puzzle.moc"
