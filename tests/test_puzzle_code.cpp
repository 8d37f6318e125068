// Puzzle codes: every shipped puzzle through the tool's code and decode and back to its bytes,
// and the texts that are no puzzle's code, each with its reason.

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "library/puzzle_code.h"
#include "model/puzzle_shape.h"
#include "tests/puzzle_bytes.h"
#include "tests/puzzle_tool_process.h"

namespace tessellix {

namespace {

// A code's binary body put together field by field as the README lays it out, independently
// of the encoder: bit fields first, most significant bit first, then the texts.
struct CodeBody {
    std::string bytes;
    int used = 0;

    CodeBody& Bits(unsigned value, int count) {
        for (int bit = count - 1; bit >= 0; --bit) {
            if (used == 0) {
                bytes += '\0';
            }
            bytes.back() = static_cast<char>(bytes.back() | (((value >> bit) & 1) << (7 - used)));
            used = (used + 1) % 8;
        }
        return *this;
    }
    CodeBody& Text(const std::string& text) {
        used = 0;
        bytes += static_cast<char>(text.size());
        bytes += text;
        return *this;
    }
    // Cells of a picture at (left, top), then the used elements by letter, none placed, and the
    // four texts.
    static CodeBody Of(const std::vector<std::string>& picture, int left, int top,
                       const std::string& letters, const std::string& russianName = {}) {
        CodeBody body;
        body.Bits(left, 5).Bits(top, 5).Bits(picture[0].size() - 1, 5).Bits(picture.size() - 1, 5);
        for (const std::string& row : picture) {
            for (const char cell : row) {
                body.Bits(cell == 'X' ? 1 : 0, 1);
            }
        }
        for (const char letter : std::string_view(kElementLetters)) {
            body.Bits(letters.find(letter) != std::string::npos ? 1 : 0, 1);
        }
        return body.Bits(0, 12).Text(russianName).Text("").Text("").Text("");
    }
};

const std::vector<std::string> kLine{"XXXXX"};

}  // namespace

class PuzzleCodeTest : public QObject {
    Q_OBJECT
  private slots:
    void everyShippedPuzzleComesBackByteForByte() {
        const QStringList files =
            QDir(SHIPPED_PUZZLES).entryList({"*.TLX"}, QDir::Files, QDir::Name);
        QVERIFY(files.size() > 100);
        for (const QString& name : files) {
            const QString path = QDir(SHIPPED_PUZZLES).filePath(name);
            const ToolRun coded = RunPuzzleTool({"code", path});
            QVERIFY2(coded.exitCode == 0, coded.err.constData());
            QVERIFY(coded.out.startsWith("TLX1-") && coded.out.count('\n') == 1);
            QTemporaryDir folder;
            const ToolRun decoded =
                RunPuzzleTool({"decode", QString::fromLatin1(coded.out.trimmed()), folder.path()});
            QVERIFY2(decoded.exitCode == 0, decoded.err.constData());
            QCOMPARE(ReadBytes(folder.filePath("200.TLX").toStdString()),
                     ReadBytes(path.toStdString()));
        }
    }

    void theBuiltInRectangleWithItsNamesTakesAbout120Characters() {
        PuzzleFileData rectangle = BuiltInPuzzleData();
        rectangle.texts.comments = {};
        const Result<std::string> code = EncodePuzzleCode(rectangle);
        QVERIFY(code);
        QVERIFY2(code->size() <= 120, code->c_str());
        const Result<PuzzleFileData> decoded = DecodePuzzleCode(*code);
        QVERIFY(decoded && *decoded == rectangle);
    }

    // English messages; an empty one for a code that reads.
    void badCodesAreRefusedWithTheirReason_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("message");
        const std::string line = PuzzleCodeOfBody(CodeBody::Of(kLine, 3, 4, "I").bytes);
        const auto with = [&](std::size_t at, char digit) {
            std::string changed = line;
            changed[at] = digit == changed[at] ? static_cast<char>(digit + 1) : digit;
            return QByteArray::fromStdString(changed);
        };
        const QString cutShort = "The puzzle code is cut short: copy all of it.";
        const QString damaged =
            "The puzzle code is damaged: its checksum does not match. Copy it again, unchanged.";
        const QString unlike = "The puzzle code is not written the way the game writes codes.";
        const QString beyond = "The puzzle goes beyond the editor's canvas of 31 x 19 cells.";
        QTest::newRow("a line of I, broken over lines")
            << QByteArray::fromStdString(line.substr(0, 9) + "\r\n " + line.substr(9) + "\n") << "";
        QTest::newRow("nothing but white space")
            << QByteArray(" \n\t") << "The puzzle code is empty.";
        QTest::newRow("another prefix") << QByteArray::fromStdString("TLX2-" + line.substr(5))
                                        << "This is not a puzzle code: a code starts with "
                                           "\"TLX1-\".";
        QTest::newRow("the prefix in small letters")
            << QByteArray::fromStdString("tlx1-" + line.substr(5))
            << "This is not a puzzle code: a code starts with \"TLX1-\".";
        QTest::newRow("a plus, which is base64 but not base64url")
            << with(7, '+')
            << "The puzzle code has a character at place 8 that no puzzle code "
               "holds.";
        QTest::newRow("a Cyrillic letter")
            << QByteArray::fromStdString(line.substr(0, 6) + "Ж" + line.substr(6))
            << "The puzzle code has a character at place 7 that no puzzle code holds.";
        QTest::newRow("a digit changed") << with(line.size() / 2, 'Q') << damaged;
        QTest::newRow("a digit too many") << QByteArray::fromStdString(line + "A") << damaged;
        QTest::newRow("the prefix alone") << QByteArray("TLX1-") << cutShort;
        QTest::newRow("one digit short")
            << QByteArray::fromStdString(line.substr(0, line.size() - 1)) << cutShort;
        QTest::newRow("half of it")
            << QByteArray::fromStdString(line.substr(0, line.size() / 2)) << cutShort;
        QTest::newRow("a body that ends in its cells")
            << QByteArray::fromStdString(PuzzleCodeOfBody(std::string("\x0c\x44", 2))) << cutShort;
        QTest::newRow("five columns from column 27")
            << QByteArray::fromStdString(PuzzleCodeOfBody(CodeBody::Of(kLine, 27, 0, "I").bytes))
            << beyond;
        QTest::newRow("a column from row 15")
            << QByteArray::fromStdString(
                   PuzzleCodeOfBody(CodeBody::Of({"X", "X", "X", "X", "X"}, 0, 15, "I").bytes))
            << beyond;
        QTest::newRow("a name outside Windows-1251")
            << QByteArray::fromStdString(
                   PuzzleCodeOfBody(CodeBody::Of(kLine, 0, 0, "I", "Ряд 😀").bytes))
            << "The Russian name holds a character that a puzzle file cannot store "
               "(Windows-1251 code page): 😀 (U+1F600)";
        QTest::newRow("a name that is no UTF-8")
            << QByteArray::fromStdString(
                   PuzzleCodeOfBody(CodeBody::Of(kLine, 0, 0, "I", "\xff").bytes))
            << "The Russian name holds a character that a puzzle file cannot store "
               "(Windows-1251 code page): invalid UTF-8 byte 0xFF";
        QTest::newRow("five cells for two elements")
            << QByteArray::fromStdString(PuzzleCodeOfBody(CodeBody::Of(kLine, 0, 0, "IL").bytes))
            << "The puzzle's cells (5) are not five for each of its elements (10).";
        QTest::newRow("an empty column in the box")
            << QByteArray::fromStdString(
                   PuzzleCodeOfBody(CodeBody::Of({"XXXXX."}, 0, 0, "I").bytes))
            << unlike;
        QTest::newRow("a byte after the texts") << QByteArray::fromStdString(PuzzleCodeOfBody(
                                                       CodeBody::Of(kLine, 0, 0, "I").bytes + "x"))
                                                << unlike;
        QTest::newRow("a megabyte") << QByteArray("TLX1-") + QByteArray(1 << 20, 'A')
                                    << "The text is too long to be a puzzle code.";
    }
    void badCodesAreRefusedWithTheirReason() {
        QFETCH(QByteArray, text);
        QFETCH(QString, message);
        const Result<PuzzleFileData> data = DecodePuzzleCode(text.toStdString());
        QCOMPARE(bool(data), message.isEmpty());
        if (!data) {
            QCOMPARE(QString::fromStdString(data.Error().Message().In(Language::English)), message);
            QVERIFY(!data.Error().Message().In(Language::Russian).empty());
            return;
        }
        QCOMPARE(data->grid[4 * kGridSide + 3] + data->grid[4 * kGridSide + 7], 2);
        const Result<std::string> code = EncodePuzzleCode(*data);
        QVERIFY(code);
        QCOMPARE(QByteArray::fromStdString(*code), text.simplified().replace(" ", ""));
    }

    void aBadCodeWritesNothing() {
        QTemporaryDir scratch;
        const QString folder = scratch.filePath("new");
        const ToolRun run = RunPuzzleTool({"decode", "TLX1-AAAAAAAA", folder});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, QByteArray("tessellix-puzzle: code: the puzzle code is damaged: its "
                                     "checksum does not match. Copy it again, unchanged\n"));
        QVERIFY(run.out.isEmpty());
        QVERIFY(!QFile::exists(folder));
    }
};

}  // namespace tessellix

QTEST_GUILESS_MAIN(tessellix::PuzzleCodeTest)
#include "test_puzzle_code.moc"
