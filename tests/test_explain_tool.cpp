#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <set>

#include "library/loaded_puzzle.h"
#include "solver/tiling_solver.h"
#include "tests/puzzle_bytes.h"
#include "tests/puzzle_tool_process.h"

namespace tessellix {

namespace {

using Picture = std::vector<std::string>;

const Picture kTenBySix(6, std::string(10, '#'));

// The 10 x 6 rectangle at column 3, row 2 of the file's matrix, every element used, the
// picture's letters placed by their records.
std::string TenBySixPlacing(const Picture& picture) {
    const TilingSolver solver(AsciiGrid(kTenBySix, kGridSide), kGridSide, 0xFFF);
    HandFile file;
    for (const TilingSolver::PlacementInfo& info : solver.Placements()) {
        std::uint64_t mask = 0;
        for (std::size_t r = 0; r < picture.size(); ++r) {
            for (std::size_t c = 0; c < picture[r].size(); ++c) {
                if (picture[r][c] == "ILYNVTZFWUXP"[info.element]) {
                    mask |= std::uint64_t{1} << solver.Region().IndexOf(r, c);
                }
            }
        }
        if (mask == info.mask) {
            const Placement& p = info.placement;
            file.records[info.element] = {
                0x81, static_cast<std::uint8_t>(p.mirrored * 8 + p.rotation * 2),
                static_cast<std::uint8_t>(p.column), static_cast<std::uint8_t>(p.row)};
        }
    }
    file.Cells(kTenBySix, 3, 2);
    return file.Bytes();
}

QString Out(const QStringList& arguments) {
    const ToolRun run = RunPuzzleTool(arguments);
    return run.exitCode == 0 && run.err.isEmpty() ? QString::fromUtf8(run.out)
                                                  : "failed: " + QString::fromUtf8(run.err);
}

}  // namespace

class ExplainToolTest : public QObject {
    Q_OBJECT
  private slots:
    void explainPrintsTheStepOfTheFilesBoard_data() {
        QTest::addColumn<Picture>("board");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("json");
        QTest::newRow("region")
            << Picture{".X........", "XXX.......", ".X........",
                       "..........", "..........", "..IIIII..."}
            << "The 1 free cell from row 1, column 1 cannot be covered. The board cannot be "
               "finished. Take away: X."
            << R"({"kind": "region", "cells": [[1, 1]], "takeAway": ["X"]})";
        QTest::newRow("blocked") << Picture{"..........", "..PPP.....", "...PP..L..",
                                            ".......L..", ".......L..", ".......LL."}
                                 << "The board cannot be finished. Take away: P."
                                 << R"({"kind": "blocked", "takeAway": ["P"]})";
        QTest::newRow("cell") << Picture{"...YYYY...", "....YUUU..", ".....UFUZZ",
                                         "......FFZ.", ".....FFZZ.", ".........."}
                              << "Only the P can cover row 1, column 8."
                              << R"({"kind": "cell", "cells": [[1, 8]], "element": "P", )"
                                 R"("placement": [[1, 8], [1, 9], [1, 10], [2, 9], [2, 10]]})";
        QTest::newRow("element") << Picture{".......PPP", ".....UUUPP", "..T..UFU..",
                                            "..T...FF..", ".TTT.FF...", ".........."}
                                 << "The X fits in one place only."
                                 << R"({"kind": "element", "element": "X", )"
                                    R"("placement": [[3, 5], [4, 4], [4, 5], [4, 6], [5, 5]]})";
        QTest::newRow("guess") << Picture{"N.........", "NN........", ".N........",
                                          ".N........", "..........", ".........."}
                               << "Nothing is forced here. Row 3, column 1 has the fewest ways: "
                                  "3 (L, Y, V)."
                               << R"({"kind": "guess", "cells": [[3, 1]], "ways": 3})";
        QTest::newRow("solved") << Picture{"NWWYYYYPPP", "NNWWYUUUPP", "LNTWXUFUZZ",
                                           "LNTXXXFFZV", "LTTTXFFZZV", "LLIIIIIVVV"}
                                << "The board is solved."
                                << R"({"kind": "solved"})";
    }
    void explainPrintsTheStepOfTheFilesBoard() {
        QFETCH(Picture, board);
        QFETCH(QString, text);
        QFETCH(QString, json);
        QTemporaryDir folder;
        const QString path = folder.filePath("6.TLX");
        WriteBytes(path.toStdString(), TenBySixPlacing(board));
        QCOMPARE(Out({"explain", path}), text + "\n");
        QCOMPARE(Out({"explain", "--json", path}), json + "\n");
        // A board that cannot be finished takes Check board's take-away.
        const QJsonObject step = QJsonDocument::fromJson(json.toUtf8()).object();
        if (step.contains("takeAway")) {
            const QJsonObject check =
                QJsonDocument::fromJson(Out({"check-board", "--json", path}).toUtf8()).object();
            QCOMPARE(step["takeAway"], check["takeAway"]);
        }
    }

    // Forced steps agree with every cover and each guess takes the stored solution's option,
    // so a shipped puzzle's path ends in its stored solution.
    void thePathOfAShippedPuzzleEndsInItsStoredSolution_data() {
        QTest::addColumn<QString>("fileName");
        for (const char* name : {"1.TLX", "17.TLX", "100.TLX", "199.TLX"}) {
            QTest::newRow(name) << name;
        }
    }
    void thePathOfAShippedPuzzleEndsInItsStoredSolution() {
        QFETCH(QString, fileName);
        QTemporaryDir folder;
        const QString path = folder.filePath(fileName);
        QVERIFY(QFile::copy(QDir(SHIPPED_PUZZLES).filePath(fileName), path));
        const Result<LoadedPuzzle> puzzle = LoadPuzzleFile(path.toStdString());
        QVERIFY(static_cast<bool>(puzzle));
        const TilingSolver solver(puzzle->data.grid, kGridSide, puzzle->UsedElements());
        const std::vector<std::string> stored = solver.Picture(puzzle->data.elements);

        std::vector<std::string> covered = solver.Picture({});
        std::set<QString> elements;
        for (const QString& line : Out({"explain", "--path", "--json", path}).split('\n')) {
            if (line.isEmpty()) {
                continue;
            }
            const QJsonObject step = QJsonDocument::fromJson(line.toUtf8()).object();
            const QString kind = step["kind"].toString();
            QVERIFY2(kind == "cell" || kind == "element" || kind == "guess", qPrintable(line));
            const QString element = step["element"].toString();
            QVERIFY(elements.insert(element).second);
            const QJsonArray cells = step["placement"].toArray();
            QCOMPARE(cells.size(), 5);
            for (const QJsonValue& cell : cells) {
                char& at = covered[cell[0].toInt() - 1][cell[1].toInt() - 1];
                QCOMPARE(at, '?');
                at = element.toLatin1()[0];
            }
        }
        QCOMPARE(static_cast<int>(elements.size()), std::popcount(puzzle->UsedElements()));
        QCOMPARE(covered, stored);
    }

    void explainRefusesWhatIsNoBoard_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("elements over each other")
            << QStringList{"explain", "PATH"} << 1
            << "PATH: element 11 (P) is placed over another element";
        QTest::newRow("two files")
            << QStringList{"explain", "PATH", "PATH"} << 2 << "explain: needs exactly one FILE";
    }
    void explainRefusesWhatIsNoBoard() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QTemporaryDir folder;
        const QString path = folder.filePath("6.TLX");
        HandFile file;
        file.records[10] = {0x81, 0, 0, 0};
        file.records[11] = {0x81, 0, 0, 0};
        WriteBytes(path.toStdString(), file.Cells(kTenBySix).Bytes());
        arguments.replaceInStrings("PATH", path);
        message.replace("PATH", path);
        const ToolRun run = RunPuzzleTool(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY(run.out.isEmpty());
        QCOMPARE(QString::fromUtf8(run.err).section('\n', 0, 0), "tessellix-puzzle: " + message);
    }

    void rateGivesTheReasonWithTheLevel() {
        QTemporaryDir folder;
        const QString path = folder.filePath("5.TLX");
        WriteBytes(path.toStdString(), TenBySixPlacing({}));
        const QJsonObject rated =
            QJsonDocument::fromJson(Out({"rate", "--json", path}).toUtf8()).object();
        const QString reason = rated["reason"].toString();
        QVERIFY2(reason.startsWith(rated["level"].toString() + ": "), qPrintable(reason));
        QVERIFY2(Out({"rate", path}).endsWith("; " + reason + "\n"), qPrintable(reason));
    }
};

}  // namespace tessellix

QTEST_GUILESS_MAIN(tessellix::ExplainToolTest)
#include "test_explain_tool.moc"
