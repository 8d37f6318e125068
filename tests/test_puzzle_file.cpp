#include <sys/stat.h>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "library/bilingual_text.h"
#include "library/loaded_puzzle.h"
#include "library/puzzle_file.h"
#include "tests/as_nobody.h"
#include "tests/puzzle_bytes.h"

namespace tessellix {

namespace {

QByteArray Q(const std::string& bytes) {
    return QByteArray::fromStdString(bytes);
}

std::string S(const QByteArray& bytes) {
    return bytes.toStdString();
}

// Every entry of a folder, to see that a failed write leaves no temporary file behind.
QStringList Entries(const QString& folder) {
    QStringList names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.toStdString())) {
        names << QString::fromStdString(entry.path().filename().string());
    }
    names.sort();
    return names;
}

ElementRecord Placed(bool used, int rotation, int mirrored, int column, int row) {
    return {used, true, {rotation, mirrored, column, row}};
}

ElementRecord Unplaced(bool used) {
    return {used, false, Placement{}};
}

// A puzzle of every kind of content: placed, unplaced and excluded elements, negative
// placements, a shape away from the grid's corner, texts in both code pages.
PuzzleFileData SamplePuzzle() {
    PuzzleFileData data;
    for (int i = 0; i < kElementRecordCount; ++i) {
        data.elements[i] = Placed(true, i % 4, i % 2, i - 3, 7 - i);
    }
    data.elements[2] = Unplaced(false);
    data.elements[5] = Unplaced(true);
    data.elements[9] = Placed(false, 3, 1, -128, 127);
    data.grid = AsciiGrid({"##...", "##...", "#####"}, kGridSide, 26, 28);
    data.texts.names = {"Прямоугольник 10х6", "Rectangle 10x6"};
    data.texts.comments = {"Две строки\r\nвторая — «ёлка» №1", "Two lines\r\nsecond"};
    return data;
}

WriteCall ShortBy(std::size_t missing) {
    return [missing](int fd, const void* data, std::size_t size) -> ssize_t {
        const std::size_t part = size > missing ? size - missing : 0;
        return ::write(fd, data, part);
    };
}

WriteCall FailingWith(int error) {
    return [error](int, const void*, std::size_t) -> ssize_t {
        errno = error;
        return -1;
    };
}

}  // namespace

class PuzzleFileTest : public QObject {
    Q_OBJECT
  private slots:

    void readsTextBlock_data() {
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<QString>("russianName");
        QTest::addColumn<QString>("russianComment");
        QTest::addColumn<QString>("englishName");
        QTest::addColumn<QString>("englishComment");
        QTest::newRow("empty block") << Q(""s) << ""
                                     << ""
                                     << ""
                                     << "";
        QTest::newRow("no separator, bytes after the terminator ignored")
            << Q("Name\0Comment"s) << "Name"
            << ""
            << ""
            << "";
        QTest::newRow("junk after the name's terminator and no separator")
            << Q("A\0B\0C\0\0D"s) << "A"
            << ""
            << ""
            << "";
        QTest::newRow("separator first: no Russian part") << Q("\1English\0Comment"s) << ""
                                                          << ""
                                                          << "English"
                                                          << "Comment";
        QTest::newRow("A 0 B 1 C 0 D") << Q("A\0B\1C\0D"s) << "A"
                                       << "B"
                                       << "C"
                                       << "D";
        QTest::newRow("A 1 C") << Q("A\1C"s) << "A"
                               << ""
                               << "C"
                               << "";
        QTest::newRow("English name runs to the end") << Q("A\0B\1C"s) << "A"
                                                      << "B"
                                                      << "C"
                                                      << "";
        QTest::newRow("English comment ends at the next 0x00") << Q("A\0B\1C\0D\0E"s) << "A"
                                                               << "B"
                                                               << "C"
                                                               << "D";
        QTest::newRow("Russian comment ends at its own 0x00") << Q("A\0B\0X\1C"s) << "A"
                                                              << "B"
                                                              << "C"
                                                              << "";
        QTest::newRow("empty Russian name before a comment") << Q("\0B\1C"s) << ""
                                                             << "B"
                                                             << "C"
                                                             << "";
        QTest::newRow("Windows-1251 texts")
            << Q("\xCF\xF0\xE8\xE2\xE5\xF2\0\xB8\xEB\xEA\xE0 \xB9 1\1Hi"s) << "Привет"
            << "ёлка № 1"
            << "Hi"
            << "";
        QTest::newRow("comment with CR LF") << Q("A\0one\r\ntwo\1C"s) << "A"
                                            << "one\r\ntwo"
                                            << "C"
                                            << "";
        QTest::newRow("block cut at 1000 bytes inside the English name")
            << Q(std::string(997, 'r') + "\1EN" + "glish\0comment"s) << QString(997, 'r') << ""
            << "EN"
            << "";
        QTest::newRow("separator beyond 1000 bytes is never seen")
            << Q(std::string(1200, 'r') + "\1English"s) << QString(1000, 'r') << ""
            << ""
            << "";
    }
    void readsTextBlock() {
        QFETCH(QByteArray, block);
        QTemporaryDir folder;
        HandFile file;
        file.text = S(block);
        const std::string path = folder.filePath("7.TLX").toStdString();
        WriteBytes(path, file.Bytes());

        QFETCH(QString, russianName);
        QFETCH(QString, russianComment);
        QFETCH(QString, englishName);
        QFETCH(QString, englishComment);
        const PuzzleFileContents contents = ReadPuzzleFile(path);
        QVERIFY(!contents.readFailure);
        const PuzzleTexts& texts = contents.data.texts;
        QCOMPARE(QString::fromStdString(texts.names.In(Language::Russian)), russianName);
        QCOMPARE(QString::fromStdString(texts.comments.In(Language::Russian)), russianComment);
        QCOMPARE(QString::fromStdString(texts.names.In(Language::English)), englishName);
        QCOMPARE(QString::fromStdString(texts.comments.In(Language::English)), englishComment);
    }

    void fileOfExactly213BytesHasNoTexts() {
        QTemporaryDir folder;
        const std::string path = folder.filePath("7.TLX").toStdString();
        WriteBytes(path, HandFile().Bytes());
        const PuzzleFileContents contents = ReadPuzzleFile(path);
        QCOMPARE(contents.length, std::size_t{213});
        QVERIFY(contents.IsComplete());
        QVERIFY(contents.hasSignature);
        QCOMPARE(contents.data.texts, PuzzleTexts{});
        PuzzleTexts texts = contents.data.texts;
        ApplyDefaultNames(texts, 7);
        QCOMPARE(texts.names, (BilingualText{"Задание 7", "Puzzle 7"}));
        QCOMPARE(texts.comments, (BilingualText()));
    }

    void readerTakesAtMost1213Bytes() {
        QTemporaryDir folder;
        HandFile file;
        file.text = std::string(5000, 'x');
        const std::string path = folder.filePath("1.TLX").toStdString();
        WriteBytes(path, file.Bytes());
        QCOMPARE(ReadPuzzleFile(path).length, kTextBlockOffset + kTextBlockLimit);
    }

    void readsElementRecordBits_data() {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<bool>("used");
        QTest::addColumn<bool>("placed");
        QTest::addColumn<int>("rotation");
        QTest::addColumn<int>("mirrored");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::newRow("0x01 used without placement")
            << Q("\x01\0\0\0"s) << true << false << 0 << 0 << -1 << -1;
        QTest::newRow("0x01 ignores bytes 1 to 3")
            << Q("\x01\x0E\x05\x06"s) << true << false << 0 << 0 << -1 << -1;
        QTest::newRow("0x00 with junk is excluded without placement")
            << Q("\0\xFF\xFF\xFF"s) << false << false << 0 << 0 << -1 << -1;
        QTest::newRow("0x80 is excluded but keeps its placement")
            << Q("\x80\x0A\x03\x02"s) << false << true << 1 << 1 << 3 << 2;
        QTest::newRow("0x81 with rotation 3 mirrored")
            << Q("\x81\x0E\x7F\x01"s) << true << true << 3 << 1 << 127 << 1;
        QTest::newRow("column and row byte 0xFF read as -1")
            << Q("\x81\x02\xFF\xFF"s) << true << true << 1 << 0 << -1 << -1;
        QTest::newRow("column and row byte 0x80 read as -128")
            << Q("\x81\x00\x80\x80"s) << true << true << 0 << 0 << -128 << -128;
        QTest::newRow("bits outside the fields are ignored")
            << Q("\xFF\xF1\x00\x04"s) << true << true << 0 << 0 << 0 << 4;
    }
    void readsElementRecordBits() {
        QFETCH(QByteArray, record);
        QTemporaryDir folder;
        HandFile file;
        std::copy(record.begin(), record.end(), file.records[6].begin());
        const std::string path = folder.filePath("1.TLX").toStdString();
        WriteBytes(path, file.Bytes());

        const PuzzleFileContents contents = ReadPuzzleFile(path);
        QFETCH(bool, used);
        QFETCH(bool, placed);
        QFETCH(int, rotation);
        QFETCH(int, mirrored);
        QFETCH(int, column);
        QFETCH(int, row);
        const ElementRecord expected{used, placed, {rotation, mirrored, column, row}};
        QCOMPARE(contents.data.elements[6], expected);
        for (int i = 0; i < kElementRecordCount; ++i) {
            if (i != 6) {
                QCOMPARE(contents.data.elements[i], Unplaced(true));
            }
        }
    }

    void readsCellsFromRowWords() {
        QTemporaryDir folder;
        const std::vector<std::string> picture{"#..#", "####", ".#.."};
        HandFile file;
        file.Cells(picture, 27, 28);
        const std::string path = folder.filePath("1.TLX").toStdString();
        WriteBytes(path, file.Bytes());
        QCOMPARE(ReadPuzzleFile(path).data.grid, AsciiGrid(picture, kGridSide, 27, 28));
    }

    void rowWordBit31IsIgnored() {
        QTemporaryDir folder;
        HandFile clear;
        clear.rows[0] = 0x7FFFFFFF;
        clear.rows[30] = 0x00000005;
        HandFile set = clear;
        set.rows[0] |= 0x80000000u;
        set.rows[30] |= 0x80000000u;
        const std::string clearPath = folder.filePath("1.TLX").toStdString();
        const std::string setPath = folder.filePath("2.TLX").toStdString();
        WriteBytes(clearPath, clear.Bytes());
        WriteBytes(setPath, set.Bytes());
        const std::vector<int> grid = ReadPuzzleFile(setPath).data.grid;
        QCOMPARE(grid, ReadPuzzleFile(clearPath).data.grid);
        QCOMPARE(std::count(grid.begin(), grid.end(), 1), 33);
    }

    void writerMatchesTheLayoutByteForByte() {
        QTemporaryDir folder;
        const std::string path = folder.filePath("12.TLX").toStdString();
        QVERIFY(!WritePuzzleFile(path, SamplePuzzle()));

        HandFile expected;
        for (int i = 0; i < kElementRecordCount; ++i) {
            const int mirrored = i % 2;
            const int rotation = i % 4;
            expected.records[i] = {0x81, static_cast<std::uint8_t>(mirrored * 8 + rotation * 2),
                                   static_cast<std::uint8_t>(i - 3),
                                   static_cast<std::uint8_t>(7 - i)};
        }
        expected.records[2] = {0x00, 0, 0, 0};
        expected.records[5] = {0x01, 0, 0, 0};
        expected.records[9] = {0x80, 0x0E, 0x80, 0x7F};
        expected.Cells({"##...", "##...", "#####"}, 26, 28);
        expected.text =
            "\xCF\xF0\xFF\xEC\xEE\xF3\xE3\xEE\xEB\xFC\xED\xE8\xEA 10\xF5\x36"s  // Прямоугольник
                                                                                // 10х6
            "\0\xC4\xE2\xE5 \xF1\xF2\xF0\xEE\xEA\xE8\r\n\xE2\xF2\xEE\xF0\xE0\xFF \x97 "s
            "\xAB\xB8\xEB\xEA\xE0\xBB \xB9\x31"s
            "\1Rectangle 10x6\0Two lines\r\nsecond"s;
        const std::string written = ReadBytes(path);
        QCOMPARE(Q(written), Q(expected.Bytes()));
        QCOMPARE(written.size(), 213 + expected.text.size());
    }

    void writtenFilesReadBackUnchanged_data() {
        QTest::addColumn<int>("variant");
        QTest::newRow("every kind of content") << 0;
        QTest::newRow("no texts at all") << 1;
        QTest::newRow("names only") << 2;
        QTest::newRow("text block of exactly 1000 bytes") << 3;
        QTest::newRow("the whole grid and no element used") << 4;
        QTest::newRow("every rotation, mirror and extreme placement") << 5;
        QTest::newRow("byte 0x01 in the English texts, as a file may hold it") << 6;
    }
    void writtenFilesReadBackUnchanged() {
        QFETCH(int, variant);
        PuzzleFileData data = SamplePuzzle();
        switch (variant) {
            case 1:
                data.texts = {};
                break;
            case 2:
                data.texts.comments = {};
                break;
            case 3:
                data.texts.names = {std::string(400, 'N'), "E"};
                data.texts.comments = {std::string(300, 'c'), std::string(296, 'd')};
                break;
            case 4:
                data.grid.assign(kGridSide * kGridSide, 1);
                data.elements.fill(Unplaced(false));
                break;
            case 5:
                for (int i = 0; i < kElementRecordCount; ++i) {
                    data.elements[i] =
                        Placed(i % 3 != 0, i % 4, i / 6, i % 2 ? -128 : 127, i % 2 ? 127 : -128);
                }
                break;
            case 6:
                data.texts.names.In(Language::English) =
                    "A\x01"
                    "B";
                data.texts.comments.In(Language::English) = "\x01";
                break;
        }
        QTemporaryDir folder;
        const std::string path = folder.filePath("3.TLX").toStdString();
        const std::optional<Failure> failure = WritePuzzleFile(path, data);
        QVERIFY2(!failure, failure ? failure->Message().In(Language::English).c_str() : "");
        const PuzzleFileContents contents = ReadPuzzleFile(path);
        QVERIFY(contents.hasSignature);
        QVERIFY(contents.IsComplete());
        QCOMPARE(contents.data.elements, data.elements);
        QCOMPARE(contents.data.grid, data.grid);
        QCOMPARE(contents.data.texts, data.texts);
    }

    void editorGridValueTwoIsWrittenAsACell() {
        PuzzleFileData data;
        data.grid = AsciiGrid({"oo", "o."}, kGridSide, 4, 4);
        QTemporaryDir folder;
        const std::string path = folder.filePath("3.TLX").toStdString();
        QVERIFY(!WritePuzzleFile(path, data));
        QCOMPARE(ReadPuzzleFile(path).data.grid, AsciiGrid({"##", "#."}, kGridSide, 4, 4));
    }

    void refusesTextsAFileCannotHold_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reason");
        QTest::newRow("Chinese in the English name") << 2 << "Puzzle 中"
                                                     << "English name";
        QTest::newRow("emoji in the Russian comment") << 1 << "🙂"
                                                      << "Russian comment";
        QTest::newRow("Latin letter with accent") << 0 << "Café"
                                                  << "U+00E9";
        QTest::newRow("byte 0x01 in a name") << 0
                                             << "A\x01"
                                                "B"
                                             << "code 0 or 1";
        QTest::newRow("byte 0x00 in a comment") << 3 << QString("A") + QChar(0) + "B"
                                                << "code 0 or 1";
        QTest::newRow("text block over 1000 bytes") << 3 << QString(1001, 'x') << "1000";
    }
    void refusesTextsAFileCannotHold() {
        QFETCH(int, slot);
        QFETCH(QString, text);
        PuzzleFileData data = SamplePuzzle();
        const QByteArray utf8 = text.toUtf8();
        std::string& target = slot == 0   ? data.texts.names.In(Language::Russian)
                              : slot == 1 ? data.texts.comments.In(Language::Russian)
                              : slot == 2 ? data.texts.names.In(Language::English)
                                          : data.texts.comments.In(Language::English);
        target.assign(utf8.constData(), utf8.size());

        QTemporaryDir folder;
        const std::string path = folder.filePath("4.TLX").toStdString();
        const std::string old = HandFile().Bytes() + "old";
        WriteBytes(path, old);
        const std::optional<Failure> failure = WritePuzzleFile(path, data);
        QVERIFY(failure);
        QFETCH(QString, reason);
        const std::string& english = failure->Message().In(Language::English);
        QVERIFY2(english.find(reason.toStdString()) != std::string::npos, english.c_str());
        QCOMPARE(failure, CheckPuzzleTexts(data.texts));
        QCOMPARE(Q(ReadBytes(path)), Q(old));
        QCOMPARE(Entries(folder.path()), QStringList{"4.TLX"});
    }

    void refusesACommentWithoutEnglishName() {
        PuzzleTexts texts;
        texts.names.In(Language::Russian) = "Имя";
        texts.comments.In(Language::Russian) = "would be lost on reading";
        QVERIFY(CheckPuzzleTexts(texts));
        texts.names.In(Language::English) = "Name";
        QVERIFY(!CheckPuzzleTexts(texts));
    }

    void refusalIsWorded_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("expected");
        QTest::newRow("English") << int(Language::English) << "The English name holds a character";
        QTest::newRow("Russian") << int(Language::Russian)
                                 << "Поле «английское название» содержит символ";
    }
    void refusalIsWorded() {
        QFETCH(int, language);
        PuzzleTexts texts;
        texts.names = {"Имя", "中"};
        QFETCH(QString, expected);
        QVERIFY(QString::fromStdString(CheckPuzzleTexts(texts)->Message().In(Language(language)))
                    .startsWith(expected));
    }

    void failedWriteKeepsTheOldFile_data() {
        QTest::addColumn<int>("failure");
        QTest::newRow("short write without error") << 0;
        QTest::newRow("nothing written without error") << 1;
        QTest::newRow("disk full") << 2;
    }
    void failedWriteKeepsTheOldFile() {
        QFETCH(int, failure);
        const WriteCall write = failure == 0   ? ShortBy(1)
                                : failure == 1 ? ShortBy(100000)
                                               : FailingWith(ENOSPC);
        QTemporaryDir folder;
        const std::string path = folder.filePath("5.TLX").toStdString();
        HandFile old;
        old.text = "Old\1Old";
        WriteBytes(path, old.Bytes());

        const std::optional<Failure> written = WritePuzzleFile(path, SamplePuzzle(), write);
        QVERIFY(written);
        const std::string& english = written->Message().In(Language::English);
        QVERIFY2(english.find(path) != std::string::npos, english.c_str());
        if (failure == 2) {
            QVERIFY(english.find(std::strerror(ENOSPC)) != std::string::npos);
        }
        QCOMPARE(Q(ReadBytes(path)), Q(old.Bytes()));
        QCOMPARE(Entries(folder.path()), QStringList{"5.TLX"});
    }

    void writeIntoAFolderThatIsAFileFails() {
        QTemporaryDir folder;
        const std::string notFolder = folder.filePath("plain").toStdString();
        WriteBytes(notFolder, "not a folder");
        QVERIFY(WritePuzzleFile(notFolder + "/6.TLX", SamplePuzzle()));
        QCOMPARE(Q(ReadBytes(notFolder)), QByteArray("not a folder"));
    }

    void writeOverAFolderFailsAndCleansUp() {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir("8.TLX"));
        QVERIFY(WritePuzzleFile(folder.filePath("8.TLX").toStdString(), SamplePuzzle()));
        QCOMPARE(Entries(folder.path()), QStringList{"8.TLX"});
    }

    void writeReplacesAnExistingFile() {
        QTemporaryDir folder;
        const std::string path = folder.filePath("9.TLX").toStdString();
        WriteBytes(path, std::string(4000, 'x'));
        QVERIFY(!WritePuzzleFile(path, SamplePuzzle()));
        QCOMPARE(ReadPuzzleFile(path).data.texts, SamplePuzzle().texts);
        QCOMPARE(Entries(folder.path()), QStringList{"9.TLX"});
    }

    // Run as the player: root may replace any file, whatever its permission bits say.
    void writerRespectsTheFileItReplaces_data() {
        QTest::addColumn<QString>("standing");  // what 9.TLX is: a file or a link to old.TLX
        QTest::addColumn<int>("mode");          // of the file that 9.TLX names
        QTest::addColumn<int>("error");         // 0: written
        QTest::addColumn<QString>("written");   // the file that then holds the new bytes
        QTest::newRow("read-only file refused") << "file" << 0444 << EACCES << "";
        QTest::newRow("file keeps its bits") << "file" << 0640 << 0 << "9.TLX";
        QTest::newRow("link: the file it names replaced") << "link" << 0604 << 0 << "old.TLX";
        QTest::newRow("link to a read-only file refused") << "link" << 0444 << EACCES << "";
        QTest::newRow("link to no file makes it") << "dangling" << 0 << 0 << "old.TLX";
        QTest::newRow("link to itself refused") << "cycle" << 0 << ELOOP << "";
    }
    void writerRespectsTheFileItReplaces() {
        QFETCH(QString, standing);
        QFETCH(int, mode);
        QTemporaryDir folder;
        const std::string path = folder.filePath("9.TLX").toStdString();
        const std::string named =
            standing == "file" ? path : folder.filePath("old.TLX").toStdString();
        QVERIFY(GiveToNobody(folder.path().toStdString()));
        if (mode != 0) {
            WriteBytes(named, "old");
            QVERIFY(GiveToNobody(named) && ::chmod(named.c_str(), mode) == 0);
        }
        if (standing != "file") {
            std::filesystem::create_symlink(standing == "cycle" ? "9.TLX" : "old.TLX", path);
        }
        const QStringList before = Entries(folder.path());

        const NobodyRun run = RunAsNobody([&path] {
            const std::optional<Failure> failure = WriteWholeFile(path, "new");
            return failure ? failure->Message().In(Language::English) : std::string();
        });
        if (!run.said) {
            QSKIP(run.skipReason);
        }
        QFETCH(int, error);
        QCOMPARE(QString::fromStdString(*run.said), error == 0 ? "" : std::strerror(error));
        QFETCH(QString, written);
        if (written.isEmpty()) {
            QCOMPARE(Entries(folder.path()), before);
            QVERIFY(mode == 0 || ReadBytes(named) == "old");
            return;
        }
        QCOMPARE(Q(ReadBytes(folder.filePath(written).toStdString())), QByteArray("new"));
        QCOMPARE(std::filesystem::is_symlink(path), standing != "file");
        struct stat status {};
        QVERIFY(::stat(named.c_str(), &status) == 0);
        if (mode != 0) {
            QCOMPARE(static_cast<int>(status.st_mode & 07777), mode);
        }
    }

    void elementBlockRewriteChangesOnlyBytes9To56() {
        QTemporaryDir folder;
        const std::string path = folder.filePath("10.TLX").toStdString();
        HandFile file;
        for (std::size_t i = 0; i < file.reserved.size(); ++i) {
            file.reserved[i] = static_cast<char>(0xA0 + i);  // never read, must survive
        }
        file.Cells({"###", "#.#"}, 2, 2);
        file.text = "Name\0Comment\1English"s;
        const std::string before = file.Bytes();
        WriteBytes(path, before);

        std::array<ElementRecord, kElementRecordCount> records;
        records.fill(Unplaced(false));
        records[0] = Placed(true, 3, 1, -1, 2);
        records[11] = Placed(true, 1, 0, 12, 0);
        const std::optional<Failure> failure = RewriteElementBlock(path, records);
        QVERIFY2(!failure, failure ? failure->Message().In(Language::English).c_str() : "");

        const std::string after = ReadBytes(path);
        QCOMPARE(after.size(), before.size());
        QCOMPARE(Q(after.substr(0, 9)), Q(before.substr(0, 9)));
        QCOMPARE(Q(after.substr(57)), Q(before.substr(57)));
        std::string block(48, '\0');
        block.replace(0, 4, "\x81\x0E\xFF\x02"s);
        block.replace(44, 4, "\x81\x02\x0C\x00"s);
        QCOMPARE(Q(after.substr(9, 48)), Q(block));
        QCOMPARE(ReadPuzzleFile(path).data.elements, records);
    }

    void elementBlockRewriteNeverCreatesAFile() {
        QTemporaryDir folder;
        const std::string path = folder.filePath("11.TLX").toStdString();
        QVERIFY(RewriteElementBlock(path, {}));
        QVERIFY(!std::filesystem::exists(path));
    }

    void elementBlockRewriteRefusesATruncatedFile() {
        QTemporaryDir folder;
        const std::string path = folder.filePath("12.TLX").toStdString();
        const std::string truncated = HandFile().Bytes().substr(0, 56);
        WriteBytes(path, truncated);
        QVERIFY(RewriteElementBlock(path, {}));
        QCOMPARE(Q(ReadBytes(path)), Q(truncated));
    }

    void elementBlockRewriteReportsAShortWrite() {
        QTemporaryDir folder;
        const std::string path = folder.filePath("13.TLX").toStdString();
        const std::string before = HandFile().Bytes();
        WriteBytes(path, before);
        const std::optional<Failure> failure = RewriteElementBlock(path, {}, ShortBy(4));
        QVERIFY(failure);
        const std::string counts =
            std::to_string(before.size() - 4) + " of " + std::to_string(before.size());
        const std::string& english = failure->Message().In(Language::English);
        QVERIFY2(english.find(counts) != std::string::npos, english.c_str());
        QCOMPARE(Q(ReadBytes(path)), Q(before));
        QCOMPARE(Entries(folder.path()), QStringList{"13.TLX"});
    }

    void missingFileCannotBeRead() {
        QTemporaryDir folder;
        const PuzzleFileContents contents =
            ReadPuzzleFile(folder.filePath("missing.TLX").toStdString());
        QVERIFY(contents.readFailure);
        QVERIFY(ReadPuzzleFile(folder.path().toStdString()).readFailure);
    }

    // What the library, the rating, check and the tool's input all ask; `unasked`: the standing
    // when the signature is not asked, as the load of a listed puzzle does.
    void standingSaysWhetherAFileIsPlayable_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<std::string>("bytes");
        QTest::addColumn<int>("standing");
        QTest::addColumn<int>("unasked");
        const int unreadable = int(PuzzleStanding::Unreadable);
        const int noSignature = int(PuzzleStanding::NoSignature);
        const int noCells = int(PuzzleStanding::NoCells);
        const int playable = int(PuzzleStanding::Playable);
        const std::string whole = HandFile().Bytes() + "Name";
        HandFile alien;
        alien.signature = "Tessellax";
        QTest::newRow("missing") << "missing" << whole << unreadable << unreadable;
        QTest::newRow("a folder") << "folder" << whole << unreadable << unreadable;
        QTest::newRow("a FIFO") << "fifo" << whole << unreadable << unreadable;
        QTest::newRow("empty") << "file" << std::string() << noSignature << noCells;
        QTest::newRow("half the signature")
            << "file" << whole.substr(0, 5) << noSignature << noCells;
        QTest::newRow("another signature") << "file" << alien.Bytes() << noSignature << playable;
        QTest::newRow("the signature alone") << "file" << whole.substr(0, 9) << noCells << noCells;
        QTest::newRow("one byte short of the cells")
            << "file" << whole.substr(0, 180) << noCells << noCells;
        QTest::newRow("the cells, no texts")
            << "file" << whole.substr(0, 181) << playable << playable;
        QTest::newRow("whole") << "file" << whole << playable << playable;
    }
    void standingSaysWhetherAFileIsPlayable() {
        QFETCH(QString, kind);
        QFETCH(std::string, bytes);
        QTemporaryDir folder;
        const std::string path = folder.filePath("3.TLX").toStdString();
        if (kind == "file") {
            WriteBytes(path, bytes);
        } else if (kind == "folder") {
            QVERIFY(QDir(folder.path()).mkdir("3.TLX"));
        } else if (kind == "fifo") {
            QVERIFY(::mkfifo(path.c_str(), 0600) == 0);
        }
        const PuzzleFileContents contents = ReadPuzzleFile(path);
        QFETCH(int, standing);
        QFETCH(int, unasked);
        QCOMPARE(int(StandingOf(contents)), standing);
        QCOMPARE(int(StandingOf(contents, SignatureCheck::Skipped)), unasked);
        const std::optional<Failure> problem = PlayProblem(contents, path);
        QCOMPARE(!problem, standing == int(PuzzleStanding::Playable));
        QVERIFY(!problem ||
                problem->Message().In(Language::English).find(path) != std::string::npos);
    }

    void loadedPuzzleHasTheDefaultNamesOfItsNumber() {
        QTemporaryDir folder;
        const std::string path = folder.filePath("07.TLX").toStdString();
        HandFile file;
        file.records[4] = {0x81, 0x02, 0x01, 0x02};
        WriteBytes(path, file.Bytes().substr(0, 200));
        const Result<LoadedPuzzle> puzzle = LoadPuzzleFile(path);
        QVERIFY(puzzle);
        QCOMPARE(puzzle->fileName, "07.TLX");
        QCOMPARE(puzzle->number, 7);
        QVERIFY(!puzzle->IsComplete());
        QCOMPARE(puzzle->data.texts.names, (BilingualText{"Задание 7", "Puzzle 7"}));
        QCOMPARE(puzzle->UsedElements(), 0xFFFu);
        QVERIFY(puzzle->HasStoredSolution());
    }
};

}  // namespace tessellix

QTEST_GUILESS_MAIN(tessellix::PuzzleFileTest)
#include "test_puzzle_file.moc"
