#include <sys/stat.h>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

#include "tests/puzzle_bytes.h"
#include "tests/puzzle_tool_process.h"

namespace tessellix {

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

// Texts that a terminal would act on: ESC sequences, a backslash, CR LF, a lone CR, a tab, a
// line break in a name, DEL and Windows-1251's one C1 control, 0x98.
std::string EscapesFile() {
    HandFile file;
    file.Cells({"#####"});
    file.text = "\xC8\xEC\xFF\x1b[31m\0a\r\nb\rc\td\1N\\a\nme\x7f\0x\x98\ny\\"s;
    return file.Bytes();
}

// Every "element N" in text is followed by its letter.
bool ElementsCarryTheirLetters(const QString& text) {
    const QRegularExpression named("element (\\d+)( \\((.)\\))?");
    for (const QRegularExpressionMatch& match : named.globalMatch(text)) {
        const int element = match.captured(1).toInt();
        if (element > 11 || match.captured(3) != QChar("ILYNVTZFWUXP"[element])) {
            return false;
        }
    }
    return true;
}

}  // namespace

class PuzzleToolTest : public QObject {
    Q_OBJECT
  private slots:
    // length: the file's first bytes only; 0 for all of it.
    void showJsonGivesTheLoadedPuzzle_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("length");
        QTest::newRow("--json before FILE") << QStringList{"show", "--json", "FILE"} << 0;
        QTest::newRow("--json after FILE") << QStringList{"show", "FILE", "--json"} << 0;
        QTest::newRow("cut short before the texts: default names")
            << QStringList{"show", "--json", "FILE"} << 200;
        QTest::newRow("cut short right after the cells")
            << QStringList{"show", "--json", "FILE"} << 181;
    }
    void showJsonGivesTheLoadedPuzzle() {
        QTemporaryDir folder;
        const QString path = folder.filePath("12.TLX");
        QFETCH(int, length);
        WriteBytes(path.toStdString(), length == 0 ? SampleFile() : SampleFile().substr(0, length));
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
        const QString texts =
            length == 0 ? "\"names\": " + Pair("Имя \\\"\\\\\\\"", "Name") +
                              ", \"comments\": " + Pair("строка\\r\\n\\t\\u0002", "")
                        : QString("\"cutShortAt\": %1, \"names\": ").arg(length) +
                              Pair("Задание 12", "Puzzle 12") + ", \"comments\": " + Pair("", "");
        const QString expected =
            "{\"number\": 12, " + texts + ", \"elements\": [" + elements.join(", ") +
            "], \"grid\": [" + grid.join(", ") +
            "], \"shape\": {\"side\": 4, \"width\": 60, \"height\": 30, \"x\": 322, \"y\": 222}}\n";

        const Run run = Tool(arguments);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QString::fromUtf8(run.out), expected);
        QVERIFY(run.err.isEmpty());
    }

    void showWithoutJsonReadsAsText_data() {
        QTest::addColumn<int>("length");  // 0: the whole file
        QTest::addColumn<QString>("head");
        QTest::newRow("whole") << 0 << "Puzzle 12 (12.TLX)\n  Russian name:    Имя \"\\\\\"\n";
        QTest::newRow("cut short before the texts: said, with default names")
            << 212
            << "Puzzle 12 (12.TLX)\n  File:            cut short at 212 bytes, before its text "
               "block at byte 213; the names are the game's defaults\n"
               "  Russian name:    Задание 12\n  English name:    Puzzle 12\n";
    }
    void showWithoutJsonReadsAsText() {
        QFETCH(int, length);
        QFETCH(QString, head);
        QTemporaryDir folder;
        const QString path = folder.filePath("12.TLX");
        WriteBytes(path.toStdString(), length == 0 ? SampleFile() : SampleFile().substr(0, length));
        const Run run = Tool({"show", path});
        QCOMPARE(run.exitCode, 0);
        const QString text = QString::fromUtf8(run.out);
        QVERIFY2(text.startsWith(head), qPrintable(text));
        QVERIFY(text.contains("Elements: 11 of 12 used"));
        QVERIFY(text.contains("\n  element 3 (N)   excluded  no stored placement\n"));
        QVERIFY(text.contains(
            "\n  element 0 (I)   used      rotation 1, mirrored 0, column 2, row 5\n"));
        QVERIFY(text.contains("Cells: 6 in 4 x 2\n  ####\n  #..#\n"));
    }

    // Names, comments, file and folder names: control characters as \xNN, a backslash doubled,
    // only a comment's "\n" and "\r\n" kept as line breaks.
    void textOutputShowsControlCharacters_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        const QString indent(19, ' ');
        QTest::newRow("show") << QStringList{"show", "FOLDER/FILE"} << R"(Puzzle 5 (5\x1b[2J.TLX)
  Russian name:    Имя\x1b[31m
  English name:    N\\a\x0ame\x7f
  Russian comment: a
)" + indent + R"(b\x0dc\x09d
  English comment: x\u0098
)" + indent + R"(y\\
Elements: 12 of 12 used
)";
        QTest::newRow("list") << QStringList{"list", "FOLDER"}
                              << R"(VISIBLE: 1 puzzle, current index 0
  0. 5\x1b[2J.TLX (number 5): Имя\x1b[31m / N\\a\x0ame\x7f
)";
    }
    void textOutputShowsControlCharacters() {
        QTemporaryDir root;
        const QString folder = root.filePath("d\x1b[1m");
        const QString file = "5\x1b[2J.TLX";
        QVERIFY(QDir().mkpath(folder));
        WriteBytes((folder + "/" + file).toStdString(), EscapesFile());
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        arguments.replaceInStrings("FOLDER", folder).replaceInStrings("FILE", file);
        expected.replace("VISIBLE", root.filePath(R"(d\x1b[1m)"));
        const Run run = Tool(arguments);
        QCOMPARE(run.exitCode, 0);
        const QString text = QString::fromUtf8(run.out);
        QCOMPARE(text.left(expected.size()), expected);
    }

    // line: the start of one line of the output.
    void elementsAreNamedWithTheirLetter_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<std::string>("bytes");
        QTest::addColumn<QString>("line");
        HandFile unplaced;  // element 1 (L) has no placement, 3 (N) and 4 (V) have one
        unplaced.records = {};
        unplaced.records[1] = {0x01, 0, 0, 0};
        unplaced.records[3] = {0x81, 0, 0, 0};
        unplaced.records[4] = {0x81, 0, 2, 0};
        unplaced.Cells({"#####", "#####", "#####"}, 3, 2);
        QTest::newRow("show") << "show" << SampleFile()
                              << "  element 11 (P)  used      no stored placement";
        QTest::newRow("solve") << "solve" << unplaced.Bytes() << "element 1 (L): rotation ";
        QTest::newRow("check") << "check" << unplaced.Bytes()
                               << "5.TLX: element 1 (L) has no stored placement";
    }
    void elementsAreNamedWithTheirLetter() {
        QFETCH(QString, command);
        QFETCH(std::string, bytes);
        QFETCH(QString, line);
        QTemporaryDir folder;
        WriteBytes(folder.filePath("5.TLX").toStdString(), bytes);
        const Run run =
            Tool({command, command == "check" ? folder.path() : folder.filePath("5.TLX")});
        const QString text = QString::fromUtf8(run.out);
        const QStringList lines = text.split('\n');
        QVERIFY2(std::any_of(lines.begin(), lines.end(),
                             [&](const QString& shown) { return shown.startsWith(line); }),
                 qPrintable(text));
        QVERIFY2(ElementsCarryTheirLetters(text), qPrintable(text));
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

    // The game's value of the index stays in the JSON; the text leaves out one that designates
    // no puzzle.
    void listOfAnEmptyFolderHasIndexOne() {
        QTemporaryDir folder;
        const Run run = Tool({"list", folder.path(), "--json"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QByteArray("{\"currentPuzzleIndex\": 1, \"records\": []}\n"));
        QCOMPARE(Tool({"list", folder.path()}).out, (folder.path() + ": 0 puzzles\n").toUtf8());
    }

    void badInputFailsWithOneLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const QByteArray noFile;
        const QByteArray wrongSignature =
            QByteArray::fromStdString("Tessellax" + HandFile().Bytes().substr(9));
        QTest::newRow("missing file")
            << QStringList{"show", "FOLDER/missing.TLX"} << noFile
            << "FOLDER/missing.TLX: cannot be read: no such file or directory";
        QTest::newRow("wrong signature")
            << QStringList{"show", "--json", "FOLDER/1.TLX"} << wrongSignature
            << "FOLDER/1.TLX: not a puzzle file: it does not start with \"Tessellix\"";
        QTest::newRow("cut short before the cells, which the game cannot play")
            << QStringList{"show", "FOLDER/1.TLX"}
            << QByteArray::fromStdString(HandFile().Bytes().substr(0, 180))
            << "FOLDER/1.TLX: cannot be played: only 180 bytes, where the cells of a puzzle take "
               "the first 181";
        QTest::newRow("a folder") << QStringList{"show", "FOLDER"} << noFile
                                  << "FOLDER: not a puzzle file: it is a folder";
        QTest::newRow("a device") << QStringList{"show", "/dev/zero"} << noFile
                                  << "/dev/zero: not a puzzle file: it is not a regular file";
        QTest::newRow("solve, wrong signature")
            << QStringList{"solve", "FOLDER/1.TLX"} << wrongSignature
            << "FOLDER/1.TLX: not a puzzle file: it does not start with \"Tessellix\"";
        QTest::newRow("list of a missing folder")
            << QStringList{"list", "FOLDER/missing"} << noFile << "FOLDER/missing: no such folder";
        QTest::newRow("list of a file") << QStringList{"list", "FOLDER/1.TLX"} << wrongSignature
                                        << "FOLDER/1.TLX: not a folder";
        QTest::newRow("check of a missing folder")
            << QStringList{"check", "FOLDER/missing"} << noFile << "FOLDER/missing: no such folder";
        QTest::newRow("check of an empty folder")
            << QStringList{"check", "FOLDER"} << noFile
            << "FOLDER: no puzzle files (N.TLX) in this folder";
        QTest::newRow("build of a source without puzzles")
            << QStringList{"build", "FOLDER/1.TLX", "FOLDER/out"} << QByteArray("# none yet\n")
            << "FOLDER/1.TLX: no puzzle in this source (a puzzle starts with \"puzzle N\")";
    }
    void badInputFailsWithOneLine() {
        QTemporaryDir folder;
        QFETCH(QByteArray, bytes);
        if (!bytes.isEmpty()) {
            WriteBytes(folder.filePath("1.TLX").toStdString(), bytes.toStdString());
        }
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        arguments.replaceInStrings("FOLDER", folder.path());
        const Run run = Tool(arguments);
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.out.isEmpty());
        QCOMPARE(QString::fromUtf8(run.err),
                 "tessellix-puzzle: " + message.replace("FOLDER", folder.path()) + "\n");
    }

    // A puzzle's name on what is no file: check names it as every command that reads it does.
    void checkNamesWhatIsNoPuzzleFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("line");
        QTest::newRow("a folder named 4.TLX") << "folder"
                                              << "4.TLX: not a puzzle file: it is a folder";
        QTest::newRow("a FIFO named 4.TLX") << "fifo"
                                            << "4.TLX: not a puzzle file: it is not a regular file";
    }
    void checkNamesWhatIsNoPuzzleFile() {
        QFETCH(QString, kind);
        QTemporaryDir folder;
        const QString path = folder.filePath("4.TLX");
        QVERIFY(kind == "folder" ? QDir().mkdir(path) : ::mkfifo(qPrintable(path), 0600) == 0);
        const Run run = Tool({"check", folder.path()});
        QCOMPARE(run.exitCode, 1);
        QFETCH(QString, line);
        QCOMPARE(QString::fromUtf8(run.out), line + "\n");
    }

    // message: what follows "SOURCE:"; the source otherwise builds.
    void buildRefusesLooseNumbers_data() {
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QString>("message");
        const QString puzzleNumber = "1: a puzzle number is 1 to 2147483647 in plain digits, not ";
        const QString count =
            "2: count is yes, no or the number of solutions in plain digits, not ";
        const QString at = "2: \"at\" needs a column and a row in plain digits, not ";
        QTest::newRow("puzzle 12abc") << "puzzle 12abc" << puzzleNumber + "\"12abc\"";
        QTest::newRow("puzzle +3") << "puzzle +3" << puzzleNumber + "\"+3\"";
        QTest::newRow("puzzle 0") << "puzzle 0" << puzzleNumber + "\"0\"";
        QTest::newRow("puzzle past int") << "puzzle 2147483648" << puzzleNumber + "\"2147483648\"";
        QTest::newRow("count -1") << "puzzle 1\ncount -1" << count + "\"-1\"";
        QTest::newRow("count 2x") << "puzzle 1\ncount 2x" << count + "\"2x\"";
        QTest::newRow("count past 64 bits")
            << "puzzle 1\ncount 18446744073709551616" << count + "\"18446744073709551616\"";
        QTest::newRow("at 1 2 junk") << "puzzle 1\nat 1 2 junk" << at + "\"1 2 junk\"";
        QTest::newRow("at -1 2") << "puzzle 1\nat -1 2" << at + "\"-1 2\"";
        QTest::newRow("at 1") << "puzzle 1\nat 1" << at + "\"1\"";
        QTest::newRow("at past int") << "puzzle 1\nat 2147483648 0" << at + "\"2147483648 0\"";
        QTest::newRow("at far right")
            << "puzzle 1\nat 2147483647 0"
            << "1: puzzle 1: the shape does not lie on the editor's 31 x 19 canvas";
        QTest::newRow("number twice") << "puzzle 1\nat 0 0\npuzzle 1"
                                      << "3: puzzle 1 is already on line 1";
    }
    void buildRefusesLooseNumbers() {
        QFETCH(QString, lines);
        QFETCH(QString, message);
        QTemporaryDir folder;
        const QString source = folder.filePath("source.txt");
        WriteBytes(source.toStdString(),
                   (lines + "\nelements LNV\nshape\nXXXXX\nXXXXX\nXXXXX\nend\n").toStdString());
        const Run run = Tool({"build", source, folder.filePath("out")});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(QString::fromUtf8(run.err), "tessellix-puzzle: " + source + ":" + message + "\n");
        QVERIFY(!QFile::exists(folder.filePath("out/1.TLX")));
    }

    // message: the first line on standard error, empty where there is only the usage.
    void wrongUsageExitsWithTwo_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("no command") << QStringList{} << "";
        QTest::newRow("unknown command")
            << QStringList{"solve-everything"} << "solve-everything: unknown command";
        QTest::newRow("show without FILE")
            << QStringList{"show", "--json"} << "show: needs exactly one FILE";
        QTest::newRow("show with two files")
            << QStringList{"show", "a.TLX", "b.TLX"} << "show: needs exactly one FILE";
        QTest::newRow("unknown option")
            << QStringList{"show", "--yaml\x1b", "a.TLX"} << "show: unknown option --yaml\\x1b";
        QTest::newRow("list without FOLDER")
            << QStringList{"list"} << "list: needs exactly one FOLDER";
        QTest::newRow("--count with --store") << QStringList{"solve", "--count", "--store", "a.TLX"}
                                              << "solve: --count and --store do not go together";
        QTest::newRow("2 elements")
            << QStringList{"generate", "--elements", "2", "out"}
            << "generate: --elements needs a whole number from 3 to 12, not \"2\"";
        QTest::newRow("13 elements")
            << QStringList{"generate", "--elements=13", "out"}
            << "generate: --elements needs a whole number from 3 to 12, not \"13\"";
        QTest::newRow("letters for elements")
            << QStringList{"generate", "--elements", "x", "out"}
            << "generate: --elements needs a whole number from 3 to 12, not \"x\"";
        QTest::newRow("a folder whose parent is missing")
            << QStringList{"generate", "no-such-parent/out"}
            << "generate: the folder no-such-parent/out can be made only in a folder that exists";
        QTest::newRow("--elements with --letters")
            << QStringList{"generate", "--elements", "5", "--letters", "LNV", "out"}
            << "generate: --elements and --letters do not go together";
        QTest::newRow("a letter twice") << QStringList{"generate", "--letters", "LNVL", "out"}
                                        << "generate: --letters: the letter L is given twice";
        QTest::newRow("unknown level") << QStringList{"generate", "--level", "tricky", "out"}
                                       << "generate: --level is easy, medium or hard, not "
                                          "\"tricky\"";
        QTest::newRow("--seed without its value")
            << QStringList{"generate", "out", "--seed"} << "generate: option --seed needs a value";
        QTest::newRow("rate without FILE")
            << QStringList{"rate", "--json"} << "rate: needs exactly one FILE or FOLDER";
    }
    void wrongUsageExitsWithTwo() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Run run = Tool(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.contains("Usage: tessellix-puzzle"), run.err.constData());
        if (!message.isEmpty()) {
            QCOMPARE(QString::fromUtf8(run.err).section('\n', 0, 0),
                     "tessellix-puzzle: " + message);
        }
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

}  // namespace tessellix

QTEST_GUILESS_MAIN(tessellix::PuzzleToolTest)
#include "test_puzzle_tool.moc"
