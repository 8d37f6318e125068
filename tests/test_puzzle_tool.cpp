#include <QTemporaryDir>
#include <QtTest>

#include "tests/puzzle_bytes.h"
#include "tests/puzzle_tool_process.h"

namespace {

using Run = ToolRun;

Run Tool(const QStringList& arguments) {
    return RunPuzzleTool(arguments);
}

QString Quoted(const QString& text) {
    return '"' + text + '"';
}

QString Pair(const QString& russian, const QString& english) {
    return "[" + Quoted(russian) + ", " + Quoted(english) + "]";
}

QString ElementJson(int excluded, int rotation, int mirrored, int column, int row) {
    return QString(
               "{\"excluded\": %1, \"solutionRotation\": %2, \"solutionMirrored\": %3, "
               "\"solutionColumn\": %4, \"solutionRow\": %5}")
        .arg(excluded)
        .arg(rotation)
        .arg(mirrored)
        .arg(column)
        .arg(row);
}

// A puzzle whose texts need every kind of escape: 12.TLX, a ring 4 cells wide at column 5,
// row 7; element 0 placed, element 3 excluded, element 7 placed at negative offsets.
std::string SampleFile() {
    HandFile file;
    file.records[0] = {0x81, 0x02, 0x02, 0x05};
    file.records[3] = {0x00, 0x00, 0x00, 0x00};
    file.records[7] = {0x81, 0x0E, 0xFF, 0xFE};
    file.Cells({"####", "#..#"}, 5, 7);
    file.text = "\xC8\xEC\xFF \"\\\"\0\xF1\xF2\xF0\xEE\xEA\xE0\r\n\t\x02\1Name\0"s;
    return file.Bytes();
}

}  // namespace

class PuzzleToolTest : public QObject {
    Q_OBJECT
  private slots:
    void showJsonGivesTheLoadedPuzzle_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("--json before FILE") << QStringList{"show", "--json", "FILE"};
        QTest::newRow("--json after FILE") << QStringList{"show", "FILE", "--json"};
    }
    void showJsonGivesTheLoadedPuzzle() {
        QTemporaryDir folder;
        const QString path = folder.filePath("12.TLX");
        WriteBytes(path.toStdString(), SampleFile());
        QFETCH(QStringList, arguments);
        arguments.replaceInStrings("FILE", path);

        QStringList elements;
        for (int i = 0; i < 12; ++i) {
            elements << (i == 0   ? ElementJson(0, 1, 0, 2, 5)
                         : i == 3 ? ElementJson(1, 0, 0, -1, -1)
                         : i == 7 ? ElementJson(0, 3, 1, -1, -2)
                                  : ElementJson(0, 0, 0, -1, -1));
        }
        QStringList grid(31, QString(31, '.'));
        grid[7].replace(5, 4, "####");
        grid[8].replace(5, 4, "#..#");
        for (QString& row : grid) {
            row = Quoted(row);
        }
        const QString expected =
            "{\"number\": 12, \"names\": " + Pair("Имя \\\"\\\\\\\"", "Name") +
            ", \"comments\": " + Pair("строка\\r\\n\\t\\u0002", "") + ", \"elements\": [" +
            elements.join(", ") + "], \"grid\": [" + grid.join(", ") +
            "], \"shape\": {\"side\": 4, \"width\": 60, \"height\": 30, \"x\": 322, \"y\": 222}}\n";

        const Run run = Tool(arguments);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QString::fromUtf8(run.out), expected);
        QVERIFY(run.err.isEmpty());
    }

    void showWithoutJsonReadsAsText() {
        QTemporaryDir folder;
        const QString path = folder.filePath("12.TLX");
        WriteBytes(path.toStdString(), SampleFile());
        const Run run = Tool({"show", path});
        QCOMPARE(run.exitCode, 0);
        const QString text = QString::fromUtf8(run.out);
        QVERIFY2(text.startsWith("Puzzle 12 (12.TLX)\n"), qPrintable(text));
        QVERIFY(text.contains("Elements: 11 of 12 used"));
        QVERIFY(text.contains("\n   3  excluded  no stored placement\n"));
        QVERIFY(text.contains("\n   0  used      rotation 1, mirrored 0, column 2, row 5\n"));
        QVERIFY(text.contains("Cells: 6 in 4 x 2\n  ####\n  #..#\n"));
    }

    void listJsonGivesTheLibraryInOrder() {
        QTemporaryDir folder;
        HandFile ten;
        ten.text = "\xC4\xE5\xF1\xFF\xF2\xFC\0\xEA\1Ten\0c"s;
        WriteBytes(folder.filePath("10.TLX").toStdString(), ten.Bytes());
        WriteBytes(folder.filePath("2.tlx").toStdString(), HandFile().Bytes());
        WriteBytes(folder.filePath("0.TLX").toStdString(), HandFile().Bytes());
        WriteBytes(folder.filePath("3.TLX").toStdString(), "Tess");
        const Run run = Tool({"list", "--json", folder.path()});
        QCOMPARE(run.exitCode, 0);
        const QString expected =
            "{\"currentPuzzleIndex\": 0, \"records\": ["
            "{\"fileName\": \"2.tlx\", \"number\": 2, \"names\": " +
            Pair("Задание 2", "Puzzle 2") + ", \"comments\": " + Pair("", "") +
            "}, {\"fileName\": \"10.TLX\", \"number\": 10, \"names\": " + Pair("Десять", "Ten") +
            ", \"comments\": " + Pair("к", "c") + "}]}\n";
        QCOMPARE(QString::fromUtf8(run.out), expected);
    }

    void listOfAnEmptyFolderHasIndexOne() {
        QTemporaryDir folder;
        const Run run = Tool({"list", folder.path(), "--json"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QByteArray("{\"currentPuzzleIndex\": 1, \"records\": []}\n"));
    }

    void badInputFailsWithOneLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("missing file") << QStringList{"show", "FOLDER/missing.TLX"} << QByteArray();
        QTest::newRow("wrong signature")
            << QStringList{"show", "--json", "FOLDER/1.TLX"}
            << QByteArray::fromStdString("Tessellax" + HandFile().Bytes().substr(9));
        QTest::newRow("shorter than 213 bytes")
            << QStringList{"show", "FOLDER/1.TLX"}
            << QByteArray::fromStdString(HandFile().Bytes().substr(0, 212));
        QTest::newRow("a folder") << QStringList{"show", "FOLDER"} << QByteArray();
        QTest::newRow("list of a missing folder")
            << QStringList{"list", "FOLDER/missing"} << QByteArray();
    }
    void badInputFailsWithOneLine() {
        QTemporaryDir folder;
        QFETCH(QByteArray, bytes);
        if (!bytes.isEmpty()) {
            WriteBytes(folder.filePath("1.TLX").toStdString(), bytes.toStdString());
        }
        QFETCH(QStringList, arguments);
        arguments.replaceInStrings("FOLDER", folder.path());
        const Run run = Tool(arguments);
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.out.isEmpty());
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY(run.err.endsWith('\n'));
        QVERIFY2(run.err.startsWith("tessellix-puzzle: "), run.err.constData());
    }

    void wrongUsageExitsWithTwo_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no command") << QStringList{};
        QTest::newRow("unknown command") << QStringList{"solve-everything"};
        QTest::newRow("show without FILE") << QStringList{"show", "--json"};
        QTest::newRow("show with two files") << QStringList{"show", "a.TLX", "b.TLX"};
        QTest::newRow("unknown option") << QStringList{"show", "--yaml", "a.TLX"};
        QTest::newRow("list without FOLDER") << QStringList{"list"};
    }
    void wrongUsageExitsWithTwo() {
        QFETCH(QStringList, arguments);
        const Run run = Tool(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.contains("Usage: tessellix-puzzle"), run.err.constData());
    }

    void helpExplainsEveryCommand() {
        const Run run = Tool({"--help"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains("show [--json] FILE"));
        QVERIFY(run.out.contains("list [--json] FOLDER"));
        QVERIFY(run.out.contains("Exit status"));
        const Run command = Tool({"show", "--help"});
        QCOMPARE(command.exitCode, 0);
        QVERIFY(command.out.startsWith("Usage: tessellix-puzzle show [--json] FILE"));
    }

    void versionIsTheProjects() {
        const Run run = Tool({"--version"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QByteArray("tessellix-puzzle " TESSELLIX_VERSION "\n"));
        QVERIFY(run.err.isEmpty());
    }
};

QTEST_GUILESS_MAIN(PuzzleToolTest)
#include "test_puzzle_tool.moc"
