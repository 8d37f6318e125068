// The records file: best times kept and beaten, hints marking a solve, the days and the
// puzzles of the day, clearing, and a damaged file set aside without losing a byte of it.

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "library/solve_records.h"

namespace tessellix {

namespace {

constexpr CalendarDate kMonday{2026, 12, 7};

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

}  // namespace

class SolveRecordsTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<QTemporaryDir> folder;
    QString path;
    SolveRecords records;

  private slots:
    void init() {
        folder = std::make_unique<QTemporaryDir>();
        path = folder->filePath("tessellix-records.ini");
        records = SolveRecords(path.toStdString());
    }

    void recordsLieBesideTheSettings() {
        QCOMPARE(SolveRecords::PathBeside("/home/a/.config/tessellix/tessellix.ini"),
                 std::string("/home/a/.config/tessellix/tessellix-records.ini"));
    }

    // solves: seconds of each solve in turn, "h" after one helped by a hint.
    void bestTimeIsKeptAndBeaten_data() {
        QTest::addColumn<QString>("solves");
        QTest::addColumn<int>("best");
        QTest::addColumn<bool>("bestWithHint");
        QTest::addColumn<int>("last");
        QTest::newRow("a first solve is the best") << "120" << 120 << false << 120;
        QTest::newRow("a slower solve keeps the best") << "90 120" << 90 << false << 120;
        QTest::newRow("a faster solve beats it") << "90 60" << 60 << false << 60;
        QTest::newRow("a hint marks the solve") << "120h" << 120 << true << 120;
        QTest::newRow("a solve on one's own beats a faster one with a hint")
            << "30h 200" << 200 << false << 200;
        QTest::newRow("a hint never beats a solve on one's own") << "200 30h" << 200 << false << 30;
        QTest::newRow("among hinted solves the faster is best") << "100h 50h" << 50 << true << 50;
    }
    void bestTimeIsKeptAndBeaten() {
        QFETCH(QString, solves);
        const QStringList each = solves.split(' ');
        for (const QString& solve : each) {
            const bool hint = solve.endsWith('h');
            QVERIFY(!records.AddSolve(
                {"12.TLX", solve.chopped(hint ? 1 : 0).toInt(), hint, kMonday, std::nullopt}));
        }
        const PuzzleStats* stats = records.Read().Find("12.tlx");
        QVERIFY(stats != nullptr);
        QCOMPARE(stats->solves, each.size());
        QTEST(stats->bestSeconds, "best");
        QTEST(stats->bestWithHint, "bestWithHint");
        QTEST(stats->lastSeconds, "last");
    }

    void daysAndPuzzlesOfTheDayAreCounted() {
        const CalendarDate tuesday = kMonday.AddDays(1);
        records.AddSolve({"200.TLX", 50, false, kMonday, kMonday});
        records.AddSolve({"12.TLX", 40, false, kMonday, std::nullopt});
        records.AddSolve({"200.TLX", 30, false, tuesday, kMonday});
        const RecordsContent content = records.Read();
        const PuzzleStats* daily = content.Find("200.TLX");
        QCOMPARE(daily->firstSolved, kMonday);
        QCOMPARE(daily->lastSolved, tuesday);
        QCOMPARE(content.solvesPerDay, (std::map<CalendarDate, int>{{kMonday, 2}, {tuesday, 1}}));
        // The day it was first solved on stays.
        QCOMPARE(content.dailySolved, (std::map<CalendarDate, CalendarDate>{{kMonday, kMonday}}));
    }

    void clearingForgetsOnePuzzleOrAll() {
        const FileStamp stamp{1234, 99};
        records.AddSolve({"12.TLX", 40, false, kMonday, std::nullopt});
        records.AddSolve({"13.TLX", 50, true, kMonday, kMonday});
        records.StoreLevels({{"12.TLX", {stamp, 2}}, {"13.TLX", {stamp, 1}}});
        QVERIFY(!records.Clear("12.tlx"));
        RecordsContent content = records.Read();
        QVERIFY(content.Find("12.TLX") == nullptr);
        QCOMPARE(content.LevelOf("12.TLX", stamp), std::nullopt);
        QVERIFY(content.Find("13.TLX") != nullptr);

        QVERIFY(!records.ClearAll());
        content = records.Read();
        QVERIFY(content.puzzles.empty() && content.solvesPerDay.empty() &&
                content.dailySolved.empty());
        // The files are unchanged, so their levels hold.
        QCOMPARE(content.LevelOf("13.TLX", stamp), std::optional(1));
        QCOMPARE(content.LevelOf("13.TLX", FileStamp{1234, 100}), std::nullopt);
    }

    void damagedFileIsSetAside_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("damaged");
        QTest::newRow("binary bytes") << QByteArray("\x00\x01Tessellix\x7f", 12) << true;
        QTest::newRow("a line that is no INI")
            << QByteArray("[12.TLX]\nSolves=1\nrubbish\n") << true;
        QTest::newRow("a time that is no number")
            << QByteArray("[12.TLX]\nSolves=2\nBestTime=fast\n") << true;
        QTest::newRow("a day that is no date") << QByteArray("[Days]\n2026-02-30=1\n") << true;
        QTest::newRow("a puzzle without its solves")
            << QByteArray("[12.TLX]\nBestTime=5\n") << true;
        QTest::newRow("a key before any section") << QByteArray("Solves=1\n") << true;
        QTest::newRow("a level that is none") << QByteArray("[Levels]\n12.TLX=1 2 7\n") << true;
        QTest::newRow("an empty file") << QByteArray() << false;
        QTest::newRow("comments and what a later version adds")
            << QByteArray(
                   "; kept\r\n[12.TLX]\r\nSolves=1\r\nBestTime=5\r\nColour=blue\r\n"
                   "[Later]\r\nWhatever=1\r\n")
            << false;
    }
    void damagedFileIsSetAside() {
        QFETCH(QByteArray, content);
        QFETCH(bool, damaged);
        WriteFile(path, content);
        QCOMPARE(records.SetAsideIfDamaged().has_value(), damaged);
        QCOMPARE(QFile::exists(path + ".bak"), damaged);
        QCOMPARE(ReadFile(damaged ? path + ".bak" : path), content);
        QVERIFY(!records.SetAsideIfDamaged());
        // New records start beside the copy.
        QVERIFY(!records.AddSolve({"7.TLX", 70, false, kMonday, std::nullopt}));
        QCOMPARE(records.Read().Find("7.TLX")->bestSeconds, 70);
        QCOMPARE(records.Read().Find("12.TLX") != nullptr, !damaged && !content.isEmpty());
    }

    void aSolveOnADamagedFileSetsItAsideBesideOlderCopies() {
        WriteFile(path + ".bak", "older");
        WriteFile(path, "[12.TLX]\nSolves=many\n");
        const std::optional<Failure> notice =
            records.AddSolve({"7.TLX", 70, false, kMonday, std::nullopt});
        QVERIFY(notice);
        QVERIFY(QString::fromStdString(notice->Message().In(Language::English)).contains(".1.bak"));
        QCOMPARE(ReadFile(path + ".bak"), QByteArray("older"));
        QCOMPARE(ReadFile(path + ".1.bak"), QByteArray("[12.TLX]\nSolves=many\n"));
        QCOMPARE(records.Read().puzzles.size(), std::size_t{1});
    }
};

}  // namespace tessellix

QTEST_GUILESS_MAIN(tessellix::SolveRecordsTest)
#include "test_solve_records.moc"
