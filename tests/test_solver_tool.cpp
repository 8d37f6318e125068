#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

#include "solver/tiling_solver.h"
#include "tests/puzzle_bytes.h"
#include "tests/puzzle_tool_process.h"

namespace tessellix {

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run Tool(const QStringList& arguments) {
    const ToolRun run = RunPuzzleTool(arguments);
    return {run.exitCode, QString::fromUtf8(run.out), QString::fromUtf8(run.err)};
}

// Bit i: element i, by the letters ILYNVTZFWUXP.
std::uint8_t UsedByte(const std::string& letters, int element) {
    return letters == "all" || letters.find("ILYNVTZFWUXP"[element]) != std::string::npos ? 0x01
                                                                                          : 0x00;
}

// A puzzle without stored solution: the picture at (column, row), the named elements used.
std::string Puzzle(const std::vector<std::string>& picture, const std::string& letters,
                   int column = 3, int row = 2) {
    HandFile file;
    for (int i = 0; i < 12; ++i) {
        file.records[i] = {UsedByte(letters, i), 0, 0, 0};
    }
    file.Cells(picture, column, row);
    file.text = "\xC8\xEC\xFF\0\xEA\1Name\0Comment"s;
    return file.Bytes();
}

const std::vector<std::string> kTenBySix(6, std::string(10, '#'));
const std::vector<std::string> kThreeByFive(3, std::string(5, '#'));

// Elements placed by a file's records: element index and placement.
using Records = std::vector<std::pair<int, Placement>>;

// The 10 x 6 rectangle with every element used and the given records placed.
std::string TenBySixPlacing(const Records& placed) {
    HandFile file;
    for (const auto& [element, p] : placed) {
        file.records[element] = {0x81, static_cast<std::uint8_t>(p.mirrored * 8 + p.rotation * 2),
                                 static_cast<std::uint8_t>(p.column),
                                 static_cast<std::uint8_t>(p.row)};
    }
    file.Cells(kTenBySix);
    return file.Bytes();
}

// The solver's solutions of the 10 x 6 rectangle whose picture shows each placed element on the
// cells the records give it.
std::uint64_t EnumeratedCompletions(const Records& placed) {
    const TilingSolver solver(AsciiGrid(kTenBySix, kGridSide), kGridSide, 0xFFF);
    Solution only;
    for (const auto& [element, p] : placed) {
        only[element] = {true, true, p};
    }
    const std::vector<std::string> wanted = solver.Picture(only);
    std::uint64_t count = 0;
    solver.ForEachSolution([&](const Solution& solution) {
        const std::vector<std::string> picture = solver.Picture(solution);
        bool keeps = true;
        for (std::size_t r = 0; r < picture.size(); ++r) {
            for (std::size_t c = 0; c < picture[r].size(); ++c) {
                keeps = keeps && (wanted[r][c] == '?') == (wanted[r][c] != picture[r][c]);
            }
        }
        count += keeps ? 1 : 0;
        return true;
    });
    return count;
}

}  // namespace

class SolverToolTest : public QObject {
    Q_OBJECT
  private slots:
    void storeChangesOnlyTheElementBlock_data() {
        QTest::addColumn<std::string>("bytes");
        QTest::addColumn<QString>("letters");
        QTest::newRow("all twelve") << Puzzle(kTenBySix, "all") << "ILYNVTZFWUXP";
        QTest::newRow("three of twelve") << Puzzle(kThreeByFive, "LNV", 20, 15) << "LNV";
    }
    void storeChangesOnlyTheElementBlock() {
        QFETCH(std::string, bytes);
        QFETCH(QString, letters);
        QTemporaryDir folder;
        const std::string path = folder.filePath("7.TLX").toStdString();
        WriteBytes(path, bytes);
        const Run run = Tool({"solve", "--store", QString::fromStdString(path)});
        QCOMPARE(run.exitCode, 0);
        const std::string stored = ReadBytes(path);
        QCOMPARE(stored.size(), bytes.size());
        QCOMPARE(stored.substr(0, 9), bytes.substr(0, 9));
        QCOMPARE(stored.substr(57), bytes.substr(57));
        for (int i = 0; i < 12; ++i) {
            const std::string record = stored.substr(9 + 4 * i, 4);
            if (letters.contains("ILYNVTZFWUXP"[i])) {
                QCOMPARE(static_cast<unsigned char>(record[0]), 0x81);
                QCOMPARE(static_cast<unsigned char>(record[1]) & ~0x0E, 0);
            } else {
                QCOMPARE(record, std::string(4, '\0'));
            }
        }
        const Run check = Tool({"check", folder.path()});
        QVERIFY2(check.exitCode == 0, qPrintable(check.out + check.err));
    }

    void countJsonIsExactlyTheTwoNumbers_data() {
        QTest::addColumn<std::string>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("10 x 6") << Puzzle(kTenBySix, "all")
                                << "{\"tilings\": 9356, \"distinct\": 2339}\n";
        QTest::newRow("5 x 3, three elements")
            << Puzzle(kThreeByFive, "LNV") << "{\"tilings\": 4, \"distinct\": 1}\n";
        QTest::newRow("no solution")
            << Puzzle({"##########"}, "IL") << "{\"tilings\": 0, \"distinct\": 0}\n";
    }
    void countJsonIsExactlyTheTwoNumbers() {
        QFETCH(std::string, bytes);
        QFETCH(QString, expected);
        QTemporaryDir folder;
        const QString path = folder.filePath("3.TLX");
        WriteBytes(path.toStdString(), bytes);
        const Run run = Tool({"solve", "--count", "--json", path});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, expected);
        QVERIFY(run.err.isEmpty());
    }

    // Placements of the game's built-in solution: X at (3, 2), I turned once at (2, 5).
    void keepPlacedCountsTheEnumeratedCoversThatHoldThePlacements_data() {
        QTest::addColumn<Records>("placed");
        QTest::newRow("X") << Records{{10, {0, 0, 3, 2}}};
        QTest::newRow("X turned twice, the same cells") << Records{{10, {2, 0, 3, 2}}};
        QTest::newRow("X and I") << Records{{10, {0, 0, 3, 2}}, {0, {1, 0, 2, 5}}};
        QTest::newRow("L and P, each mirrored") << Records{{1, {0, 1, 0, 0}}, {11, {1, 1, 5, 4}}};
    }
    void keepPlacedCountsTheEnumeratedCoversThatHoldThePlacements() {
        QFETCH(Records, placed);
        QTemporaryDir folder;
        const QString path = folder.filePath("6.TLX");
        WriteBytes(path.toStdString(), TenBySixPlacing(placed));
        const QString expected = QString::number(EnumeratedCompletions(placed));
        const Run run = Tool({"solve", "--count", "--keep-placed", "--json", path});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, "{\"completions\": " + expected + "}\n");
        const Run check = Tool({"check-board", "--json", path});
        QCOMPARE(check.exitCode, 0);
        QCOMPARE(check.out, expected == "0" ? check.out
                                            : "{\"finishable\": true, \"ways\": " + expected +
                                                  ", \"takeAway\": []}\n");
    }

    void checkBoardNamesWhatToTakeAway_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("expected");
        QTest::newRow("text") << QStringList{} << "The board cannot be finished. Take away: X.\n";
        QTest::newRow("json") << QStringList{"--json"}
                              << "{\"finishable\": false, \"ways\": 0, \"takeAway\": [\"X\"]}\n";
    }
    // The built-in solution's I, and an X that walls in the top-left corner.
    void checkBoardNamesWhatToTakeAway() {
        QFETCH(QStringList, options);
        QFETCH(QString, expected);
        QTemporaryDir folder;
        const QString path = folder.filePath("6.TLX");
        WriteBytes(path.toStdString(), TenBySixPlacing({{0, {1, 0, 2, 5}}, {10, {0, 0, 0, 0}}}));
        const Run run = Tool(QStringList{"check-board"} + options + QStringList{path});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, expected);
    }

    void placedRecordsThatAreNoBoardFail_data() {
        QTest::addColumn<Records>("placed");
        QTest::addColumn<QString>("message");
        QTest::newRow("off the puzzle")
            << Records{{0, {0, 0, 8, 2}}} << "element 0 (I) is placed outside the puzzle's cells";
        QTest::newRow("overlapping") << Records{{10, {0, 0, 0, 0}}, {11, {0, 0, 0, 0}}}
                                     << "element 11 (P) is placed over another element";
    }
    void placedRecordsThatAreNoBoardFail() {
        QFETCH(Records, placed);
        QFETCH(QString, message);
        QTemporaryDir folder;
        const QString path = folder.filePath("6.TLX");
        WriteBytes(path.toStdString(), TenBySixPlacing(placed));
        for (const QStringList& command :
             {QStringList{"check-board"}, QStringList{"solve", "--count", "--keep-placed"}}) {
            const Run run = Tool(command + QStringList{path});
            QCOMPARE(run.exitCode, 1);
            QVERIFY(run.out.isEmpty());
            QCOMPARE(run.err, "tessellix-puzzle: " + path + ": " + message + "\n");
        }
    }

    void aPuzzleThatCannotBeSolvedFailsAndStaysAsItWas_data() {
        QTest::addColumn<std::string>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("no solution") << Puzzle({"##########"}, "IL") << "has no solution";
        QTest::newRow("61 cells") << Puzzle({"###########", "##########", "##########",
                                             "##########", "##########", "##########"},
                                            "all")
                                  << "61 cells, but its 12 used elements cover 60";
        QTest::newRow("60 cells, 11 elements")
            << Puzzle(kTenBySix, "ILYNVTZFWUX") << "60 cells, but its 11 used elements cover 55";
        QTest::newRow("no cells") << Puzzle({}, "") << "has no cells";
    }
    void aPuzzleThatCannotBeSolvedFailsAndStaysAsItWas() {
        QFETCH(std::string, bytes);
        QFETCH(QString, message);
        QTemporaryDir folder;
        const QString path = folder.filePath("4.TLX");
        WriteBytes(path.toStdString(), bytes);
        for (const QStringList& options :
             {QStringList{"--store"}, QStringList{}, QStringList{"--json"}}) {
            const Run run = Tool(QStringList{"solve"} + options + QStringList{path});
            QCOMPARE(run.exitCode, 1);
            QVERIFY2(run.err.contains(message), qPrintable(run.err));
            QVERIFY(run.out.isEmpty());
            QCOMPARE(ReadBytes(path.toStdString()), bytes);
        }
    }

    // line: the start of one reported line
    void checkReportsEachProblemWithTheFileName_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<std::string>("bytes");
        QTest::addColumn<QString>("line");
        QTest::newRow("broken stored solution") << "5.TLX" << std::string() << "5.TLX: element ";
        QTest::newRow("duplicate number") << "05.TLX" << Puzzle(kThreeByFive, "LNV")
                                          << "5.TLX: number 5 is also the number of 05.TLX";
        QTest::newRow("not the game's name")
            << "9abc.TLX" << Puzzle(kThreeByFive, "LNV")
            << "9abc.TLX: not named 9.TLX, as the game names puzzle files";
        QTest::newRow("no number") << "abc.TLX" << Puzzle(kThreeByFive, "LNV")
                                   << "abc.TLX: the name does not start with a positive number";
        QTest::newRow("no signature")
            << "8.TLX"
            << "Tessalix" + Puzzle(kThreeByFive, "LNV").substr(9)
            << "8.TLX: not a puzzle file: it does not start with \"Tessellix\"";
        QTest::newRow("cell count") << "8.TLX" << Puzzle(kThreeByFive, "LNVP")
                                    << "8.TLX: the puzzle has 15 cells, but its 4 used elements";
        QTest::newRow("cut short before its texts")
            << "8.TLX" << Puzzle(kThreeByFive, "LNV").substr(0, 200)
            << "8.TLX: cut short at 200 bytes, before its text block at byte 213; the game plays "
               "it with default names";
        QTest::newRow("cut short before its cells")
            << "8.TLX" << Puzzle(kThreeByFive, "LNV").substr(0, 100)
            << "8.TLX: cannot be played: only 100 bytes, where the cells of a puzzle take the "
               "first 181; the game lists it but cannot play it";
    }
    void checkReportsEachProblemWithTheFileName() {
        QFETCH(QString, fileName);
        QFETCH(std::string, bytes);
        QFETCH(QString, line);
        QTemporaryDir folder;
        // A sound puzzle beside the faulty file.
        const QString good = folder.filePath("5.TLX");
        WriteBytes(good.toStdString(), Puzzle(kThreeByFive, "LNV"));
        QCOMPARE(Tool({"solve", "--store", good}).exitCode, 0);
        const QString path = folder.filePath(fileName);
        if (bytes.empty()) {
            // The stored solution with element 1 moved one row down.
            bytes = ReadBytes(path.toStdString());
            ++bytes[9 + 4 * 1 + 3];
        }
        WriteBytes(path.toStdString(), bytes);

        const Run run = Tool({"check", folder.path()});
        QCOMPARE(run.exitCode, 1);
        const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
        QVERIFY(!lines.isEmpty());
        // Only the faulty file is named, except where the sound one shares its number.
        for (const QString& reported : lines) {
            QVERIFY2(reported.startsWith(fileName + ": ") || reported.startsWith(line.left(7)),
                     qPrintable(run.out));
        }
        QVERIFY2(std::any_of(lines.begin(), lines.end(),
                             [&](const QString& reported) { return reported.startsWith(line); }),
                 qPrintable(run.out));
    }

    void puzzleWithoutStoredSolutionIsAProblemOnlyWhenRequired() {
        QTemporaryDir folder;
        const QString solved = folder.filePath("5.TLX");
        WriteBytes(solved.toStdString(), Puzzle(kThreeByFive, "LNV"));
        QCOMPARE(Tool({"solve", "--store", solved}).exitCode, 0);
        WriteBytes(folder.filePath("8.TLX").toStdString(), Puzzle(kThreeByFive, "LNV"));

        const Run lenient = Tool({"check", folder.path()});
        QCOMPARE(lenient.exitCode, 0);
        QVERIFY2(lenient.out.endsWith("; 1 without a stored solution\n"), qPrintable(lenient.out));
        const Run strict = Tool({"check", "--require-solutions", folder.path()});
        QCOMPARE(strict.exitCode, 1);
        QCOMPARE(strict.out, QString("8.TLX: no stored solution\n"));
    }

    void checkOfASoundFolderSummarises() {
        QTemporaryDir folder;
        WriteBytes(folder.filePath("2.TLX").toStdString(), Puzzle(kThreeByFive, "LNV"));
        WriteBytes(folder.filePath("12.TLX").toStdString(), Puzzle(kTenBySix, "all"));
        for (const QString name : {"2.TLX", "12.TLX"}) {
            QCOMPARE(Tool({"solve", "--store", folder.filePath(name)}).exitCode, 0);
        }
        const Run run = Tool({"check", folder.path()});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, folder.path() +
                              ": 2 puzzles, numbers 2 to 12; every stored solution covers its "
                              "puzzle\n");
    }

    void builtCommentsGiveTheCountInBothLanguages_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("russian");
        QTest::addColumn<QString>("english");
        QTest::newRow("1") << 1 << "Задание имеет 1 решение"
                           << "The puzzle has 1 solution";
        QTest::newRow("2") << 2 << "Задание имеет 2 решения"
                           << "The puzzle has 2 solutions";
        QTest::newRow("4") << 4 << "Задание имеет 4 решения"
                           << "The puzzle has 4 solutions";
        QTest::newRow("5") << 5 << "Задание имеет 5 решений"
                           << "The puzzle has 5 solutions";
        QTest::newRow("11") << 11 << "Задание имеет 11 решений"
                            << "The puzzle has 11 solutions";
        QTest::newRow("12") << 12 << "Задание имеет 12 решений"
                            << "The puzzle has 12 solutions";
        QTest::newRow("21") << 21 << "Задание имеет 21 решение"
                            << "The puzzle has 21 solutions";
        QTest::newRow("22") << 22 << "Задание имеет 22 решения"
                            << "The puzzle has 22 solutions";
        QTest::newRow("111") << 111 << "Задание имеет 111 решений"
                             << "The puzzle has 111 solutions";
        QTest::newRow("2339") << 2339 << "Задание имеет 2339 решений"
                              << "The puzzle has 2339 solutions";
    }
    void builtCommentsGiveTheCountInBothLanguages() {
        QFETCH(int, count);
        QFETCH(QString, russian);
        QFETCH(QString, english);
        QTemporaryDir folder;
        QFile source(folder.filePath("puzzles.txt"));
        QVERIFY(source.open(QIODevice::WriteOnly));
        source.write(QString("# A small one\npuzzle 3\nru Малое\nen Small\nelements LNV\n"
                             "count %1\nshape\nXXXXX\nXXXXX\nXXXXX\nend\n")
                         .arg(count)
                         .toUtf8());
        source.close();
        const QString out = folder.filePath("out");
        const Run build = Tool({"build", source.fileName(), out});
        QVERIFY2(build.exitCode == 0, qPrintable(build.err));
        const Run show = Tool({"show", "--json", out + "/3.TLX"});
        QVERIFY2(show.out.contains("\"comments\": [\"" + russian + "\", \"" + english + "\"]"),
                 qPrintable(show.out));
        // Centred on the editor's 31 x 19 canvas.
        QVERIFY(show.out.contains("\"" + QString(13, '.') + "#####" + QString(13, '.') + "\""));
        QCOMPARE(Tool({"check", out}).exitCode, 0);
        // The figure in the source is counted again on request: this puzzle has one.
        QCOMPARE(Tool({"build", "--recount", source.fileName(), out}).exitCode, count == 1 ? 0 : 1);
    }
};

}  // namespace tessellix

QTEST_GUILESS_MAIN(tessellix::SolverToolTest)
#include "test_solver_tool.moc"
