#include <unistd.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <bit>
#include <set>

#include "library/puzzle_file.h"
#include "model/puzzle_shape.h"
#include "solver/tiling_solver.h"
#include "tests/ascii_grid.h"
#include "tests/puzzle_bytes.h"
#include "tests/puzzle_tool_process.h"

namespace tessellix {

// generate and rate through the built tool. A generated file is judged by the solver's count,
// the tool's check and plain geometry here, never by the generator's own tests.

namespace {

// The cells reached from `start` through edge neighbours inside `area`.
std::set<Cell> Reached(const std::set<Cell>& area, Cell start) {
    std::set<Cell> reached{start};
    std::vector<Cell> stack{start};
    while (!stack.empty()) {
        const auto [r, c] = stack.back();
        stack.pop_back();
        for (const Cell& next : {Cell{r + 1, c}, Cell{r - 1, c}, Cell{r, c + 1}, Cell{r, c - 1}}) {
            if (area.count(next) > 0 && reached.insert(next).second) {
                stack.push_back(next);
            }
        }
    }
    return reached;
}

// Every empty cell of the box around the shape, one cell wider on each side, reaches its edge.
bool HasHole(const std::set<Cell>& cells) {
    std::set<Cell> outside;
    for (int r = -1; r <= kGridSide; ++r) {
        for (int c = -1; c <= kGridSide; ++c) {
            if (cells.count({r, c}) == 0) {
                outside.insert({r, c});
            }
        }
    }
    return Reached(outside, {-1, -1}).size() != outside.size();
}

QJsonObject RateJson(const QString& path) {
    const ToolRun run = RunPuzzleTool({"rate", "--json", path});
    return QJsonDocument::fromJson(run.out).object();
}

// Bit i: element i, by the letters ILYNVTZFWUXP.
QStringList PuzzleFiles(const QString& folder) {
    return QDir(folder).entryList({"*.TLX"}, QDir::Files, QDir::Name);
}

}  // namespace

class GeneratorToolTest : public QObject {
    Q_OBJECT
  private slots:
    // letters: the elements that must be used, when given.
    void generatedPuzzleHasOneSolutionAndItsLevel_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("elements");
        QTest::addColumn<QString>("letters");
        QTest::addColumn<QString>("level");
        // Three elements make no compact puzzle.
        QTest::newRow("3 elements, free, easy")
            << QStringList{"--elements", "3", "--level", "easy", "--shape", "free"} << 3 << ""
            << "easy";
        QTest::newRow("3 elements, free, hard")
            << QStringList{"--elements", "3", "--level", "hard", "--shape=free"} << 3 << ""
            << "hard";
        QTest::newRow("5 elements, medium")
            << QStringList{"--elements", "5", "--level", "medium"} << 5 << ""
            << "medium";
        QTest::newRow("8 elements, hard")
            << QStringList{"--elements", "8", "--level", "hard"} << 8 << ""
            << "hard";
        QTest::newRow("12 elements, easy") << QStringList{"--level", "easy"} << 12 << ""
                                           << "easy";
        QTest::newRow("12 elements, medium by default") << QStringList{} << 12 << ""
                                                        << "medium";
        QTest::newRow("12 elements, hard") << QStringList{"--level=hard"} << 12 << ""
                                           << "hard";
        QTest::newRow("letters lnvtux, hard")
            << QStringList{"--letters", "lnvtux", "--level", "hard"} << 6 << "LNVTUX"
            << "hard";
    }
    void generatedPuzzleHasOneSolutionAndItsLevel() {
        QFETCH(QStringList, options);
        QFETCH(int, elements);
        QFETCH(QString, letters);
        QFETCH(QString, level);
        for (const QString seed : {"1", "2"}) {
            QTemporaryDir folder;
            const ToolRun run = RunPuzzleTool(QStringList{"generate", "--seed", seed} + options +
                                              QStringList{folder.path()});
            QVERIFY2(run.exitCode == 0, run.err.constData());
            QCOMPARE(PuzzleFiles(folder.path()), QStringList{"200.TLX"});
            const QString path = folder.filePath("200.TLX");

            const PuzzleFileContents file = ReadPuzzleFile(path.toStdString());
            unsigned used = 0;
            for (int i = 0; i < kElementRecordCount; ++i) {
                used |= file.data.elements[i].used ? 1u << i : 0;
            }
            QCOMPARE(std::popcount(used), elements);
            if (!letters.isEmpty()) {
                QCOMPARE(used, ElementsOf(letters));
            }
            const CountResult count = TilingSolver(file.data.grid, kGridSide, used).Count();
            QVERIFY(count.complete);
            QCOMPARE(count.distinct, std::uint64_t{1});

            const std::set<Cell> cells = CellsOf(file.data.grid, kGridSide);
            QCOMPARE(Reached(cells, *cells.begin()).size(), cells.size());
            QVERIFY(!HasHole(cells));
            QVERIFY(std::all_of(cells.begin(), cells.end(), [](Cell cell) {
                return cell.first < kCanvasRows && cell.second < kCanvasColumns;
            }));

            const ToolRun check = RunPuzzleTool({"check", "--require-solutions", folder.path()});
            QVERIFY2(check.exitCode == 0, check.out.constData());
            QCOMPARE(RateJson(path)["level"].toString(), level);

            const PuzzleTexts& texts = file.data.texts;
            QVERIFY(!texts.names.In(Language::Russian).empty() &&
                    !texts.names.In(Language::English).empty());
            QVERIFY(texts.names.In(Language::Russian).find("Новое задание") == std::string::npos);
            QVERIFY(texts.names.In(Language::English).find("New puzzle") == std::string::npos);
            QVERIFY(texts.comments.In(Language::Russian).find("1 решение") != std::string::npos);
            QVERIFY(texts.comments.In(Language::English).find(level.toStdString()) !=
                    std::string::npos);
            QVERIFY(texts.comments.In(Language::English).find("1 solution") != std::string::npos);
        }
    }

    void theSameSeedWritesTheSameBytes() {
        QTemporaryDir first;
        QTemporaryDir second;
        const QStringList options{"generate", "--elements", "8", "--count", "3", "--seed", "77"};
        QCOMPARE(RunPuzzleTool(options + QStringList{first.path()}).exitCode, 0);
        QCOMPARE(RunPuzzleTool(options + QStringList{second.path()}).exitCode, 0);
        const QStringList names = PuzzleFiles(first.path());
        QCOMPARE(names, (QStringList{"200.TLX", "201.TLX", "202.TLX"}));
        QCOMPARE(PuzzleFiles(second.path()), names);
        for (const QString& name : names) {
            QCOMPARE(ReadBytes(second.filePath(name).toStdString()),
                     ReadBytes(first.filePath(name).toStdString()));
        }
        // Puzzle k comes from seed S + k.
        QTemporaryDir third;
        QCOMPARE(
            RunPuzzleTool({"generate", "--elements", "8", "--seed", "78", third.path()}).exitCode,
            0);
        QCOMPARE(ReadBytes(third.filePath("200.TLX").toStdString()),
                 ReadBytes(first.filePath("201.TLX").toStdString()));
        QVERIFY(ReadBytes(first.filePath("200.TLX").toStdString()) !=
                ReadBytes(first.filePath("201.TLX").toStdString()));
    }

    void withoutSeedOneIsDrawnAndPrinted() {
        QTemporaryDir folder;
        const ToolRun run = RunPuzzleTool({"generate", "--level", "easy", folder.path()});
        QCOMPARE(run.exitCode, 0);
        const QString seed = QString::fromUtf8(run.out).section(' ', 1, 1);
        QVERIFY2(run.out.startsWith("seed " + seed.toUtf8() + " (--seed " + seed.toUtf8()),
                 run.out.constData());
        QTemporaryDir again;
        QCOMPARE(
            RunPuzzleTool({"generate", "--level", "easy", "--seed", seed, again.path()}).exitCode,
            0);
        QCOMPARE(ReadBytes(again.filePath("200.TLX").toStdString()),
                 ReadBytes(folder.filePath("200.TLX").toStdString()));
    }

    // Any name the game could take as a number is left alone, puzzle or not.
    void numbersStartAtTheFirstFreeFrom200() {
        QTemporaryDir folder;
        for (const QString name : {"150.TLX", "200.TLX", "0202.tlx", "204.txt"}) {
            WriteBytes(folder.filePath(name).toStdString(), "not a puzzle");
        }
        const ToolRun run = RunPuzzleTool(
            {"generate", "--elements", "4", "--count", "3", "--seed", "5", folder.path()});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(PuzzleFiles(folder.path()),
                 (QStringList{"0202.tlx", "150.TLX", "200.TLX", "201.TLX", "203.TLX", "204.TLX"}));
        QCOMPARE(ReadBytes(folder.filePath("0202.tlx").toStdString()), std::string("not a puzzle"));
        QVERIFY(run.out.contains("/203.TLX: medium, "));
    }

    // Three elements make no hard puzzle, so nothing is written.
    void aFolderMadeForNothingIsRemoved() {
        QTemporaryDir parent;
        const QString folder = parent.filePath("made");
        const ToolRun run = RunPuzzleTool(
            {"generate", "--letters", "ILY", "--level", "hard", "--seed", "1", folder});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(!QFileInfo::exists(folder));
    }

    void aFolderThatCannotBeWrittenFailsBeforeAnyWork() {
        QTemporaryDir folder;
        QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
        // root writes anywhere unless it runs without CAP_DAC_OVERRIDE.
        QStringList command{TESSELLIX_PUZZLE_PATH};
        if (::geteuid() == 0) {
            const QString setpriv = QStandardPaths::findExecutable("setpriv");
            if (setpriv.isEmpty()) {
                QSKIP("running as root without setpriv");
            }
            command = QStringList{setpriv, "--bounding-set=-dac_override"} + command;
        }
        QProcess process;
        process.start(command.takeFirst(),
                      command + QStringList{"generate", "--count", "1000", folder.path()});
        QVERIFY(process.waitForFinished(60000));
        QFile::setPermissions(folder.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(process.exitCode(), 1);
        QCOMPARE(QString::fromUtf8(process.readAllStandardError()),
                 "tessellix-puzzle: " + folder.path() + ": cannot be written: permission denied\n");
        QVERIFY(process.readAllStandardOutput().isEmpty());
        QVERIFY(QDir(folder.path()).isEmpty());
    }

    // A puzzle with several solutions is rated on finding one, and its count is shown.
    void rateOfAFolderRatesEachPuzzleInTheGamesOrder() {
        QTemporaryDir folder;
        QCOMPARE(RunPuzzleTool({"generate", "--elements", "5", "--level", "hard", "--seed", "3",
                                folder.path()})
                     .exitCode,
                 0);
        HandFile several;
        for (int i = 0; i < 12; ++i) {
            several.records[i][0] = (ElementsOf("ILYT") >> i) & 1;
        }
        several.Cells({"#####", "#####", "#####", "#####"}, 4, 4);
        WriteBytes(folder.filePath("17.TLX").toStdString(), several.Bytes());

        const ToolRun run = RunPuzzleTool({"rate", "--json", folder.path()});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject rated = QJsonDocument::fromJson(run.out).object();
        const QJsonArray puzzles = rated["puzzles"].toArray();
        QCOMPARE(puzzles.size(), 2);
        QCOMPARE(puzzles[0]["fileName"].toString(), "17.TLX");
        QCOMPARE(puzzles[0]["solutions"].toInt(), 2);
        QVERIFY(puzzles[0]["covers"].toInt() > 1);
        QCOMPARE(puzzles[1]["fileName"].toString(), "200.TLX");
        QCOMPARE(puzzles[1]["level"].toString(), "hard");
        QCOMPARE(puzzles[1]["solutions"].toInt(), 1);
        int tallied = 0;
        for (const QString level : {"easy", "medium", "hard"}) {
            tallied += rated[level].toInt();
        }
        QCOMPARE(tallied, 2);
        QCOMPARE(rated["hard"].toInt(), puzzles[0]["level"].toString() == "hard" ? 2 : 1);

        const ToolRun text = RunPuzzleTool({"rate", folder.filePath("17.TLX")});
        QCOMPARE(text.exitCode, 0);
        QVERIFY2(text.out.contains("; 2 solutions; "), text.out.constData());
    }
};

}  // namespace tessellix

QTEST_GUILESS_MAIN(tessellix::GeneratorToolTest)
#include "test_generator_tool.moc"
