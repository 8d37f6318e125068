#include <QTemporaryDir>
#include <QtTest>
#include <climits>
#include <filesystem>

#include "library/puzzle_library.h"
#include "library/settings.h"
#include "library/store_puzzle.h"
#include "model/library_position.h"
#include "tests/puzzle_bytes.h"

namespace tessellix {

namespace {

PuzzleRecord Record(const std::string& fileName, const std::string& name = "") {
    return {fileName, {name, name}, {"", ""}};
}

QStringList FileNames(const PuzzleLibrary& library) {
    QStringList names;
    for (const PuzzleRecord& record : library) {
        names << QString::fromStdString(record.fileName);
    }
    return names;
}

// A complete puzzle file with the given text block.
void Puzzle(const QTemporaryDir& folder, const QString& name, const std::string& text = "") {
    HandFile file;
    file.text = text;
    WriteBytes(folder.filePath(name).toStdString(), file.Bytes());
}

// Names of a folder in the order the directory listing gives them.
QStringList ListingOrder(const QTemporaryDir& folder) {
    QStringList names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path().toStdString())) {
        names << QString::fromStdString(entry.path().filename().string());
    }
    return names;
}

}  // namespace

class PuzzleLibraryTest : public QObject {
    Q_OBJECT
  private:
    PuzzleLibrary puzzleLibrary;

  private slots:
    void init() { puzzleLibrary = PuzzleLibrary(); }

    void numberOfReadsLikeStrtol_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");
        QTest::newRow("12.TLX") << "12.TLX" << 12;
        QTest::newRow("007.TLX") << "007.TLX" << 7;
        QTest::newRow("12abc.TLX") << "12abc.TLX" << 12;
        QTest::newRow("abc.TLX") << "abc.TLX" << 0;
        QTest::newRow("-3.TLX") << "-3.TLX" << -3;
        QTest::newRow("plus sign") << "+5.TLX" << 5;
        QTest::newRow("leading white space") << " \t\n\v\f\r42" << 42;
        QTest::newRow("sign without digits") << "-.TLX" << 0;
        QTest::newRow("space after the sign") << "- 4" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("largest int") << "2147483647.TLX" << INT_MAX;
        QTest::newRow("smallest int") << "-2147483648" << INT_MIN;
        QTest::newRow("one above the largest int") << "2147483648.TLX" << 0;
        QTest::newRow("far too many digits") << QString(60, '9') << 0;
        QTest::newRow("leading zeros before a large number") << "0000000000000000000012" << 12;
    }
    void numberOfReadsLikeStrtol() {
        QFETCH(QString, text);
        QFETCH(int, number);
        QCOMPARE(NumberOf(text.toStdString()), number);
    }

    void insertSortedKeepsNumericOrderAndInsertionOrderOfEquals() {
        for (const char* name : {"10.TLX", "2.TLX", "05.TLX", "1.TLX", "5.TLX", "010.TLX"}) {
            puzzleLibrary.InsertSorted(Record(name));
        }
        QCOMPARE(FileNames(puzzleLibrary),
                 QStringList({"1.TLX", "2.TLX", "05.TLX", "5.TLX", "10.TLX", "010.TLX"}));
    }

    void positionsCountFromTheFirstRecord() {
        QCOMPARE(puzzleLibrary.RecordAt(0), nullptr);
        QCOMPARE(puzzleLibrary.LastRecord(), nullptr);
        for (const char* name : {"1.TLX", "2.TLX", "3.TLX"}) {
            puzzleLibrary.Append(Record(name));
        }
        QCOMPARE(puzzleLibrary.count(), 3);
        QCOMPARE(puzzleLibrary.RecordAt(2)->fileName, "3.TLX");
        QCOMPARE(puzzleLibrary.LastRecord()->fileName, "3.TLX");
        QCOMPARE(puzzleLibrary.RecordAt(3), nullptr);
        QCOMPARE(puzzleLibrary.RecordAt(-1), nullptr);
    }

    void removeAtZeroMovesTheOthersUp() {
        for (const char* name : {"1.TLX", "2.TLX", "3.TLX"}) {
            puzzleLibrary.Append(Record(name));
        }
        QVERIFY(puzzleLibrary.Remove(0));
        QCOMPARE(FileNames(puzzleLibrary), QStringList({"2.TLX", "3.TLX"}));
        QCOMPARE(puzzleLibrary.RecordAt(0)->fileName, "2.TLX");
        QVERIFY(puzzleLibrary.Remove(1));
        QCOMPARE(puzzleLibrary.LastRecord()->fileName, "2.TLX");
        QVERIFY(!puzzleLibrary.Remove(1));
        QVERIFY(!puzzleLibrary.Remove(-1));
        QCOMPARE(puzzleLibrary.count(), 1);
    }

    void appendReplaceAndLastRecord() {
        puzzleLibrary.Append(Record("250.TLX", "old"));
        puzzleLibrary.Append(Record("7.TLX", "appended after a higher number"));
        QCOMPARE(puzzleLibrary.LastRecord()->fileName, "7.TLX");

        const PuzzleRecord replacement{"250.TLX", {"Новое", "New"}, {"Коммент", "Comment"}};
        QVERIFY(puzzleLibrary.Replace(0, replacement));
        QCOMPARE(*puzzleLibrary.RecordAt(0), replacement);
        QVERIFY(!puzzleLibrary.Replace(2, replacement));
        QCOMPARE(puzzleLibrary.count(), 2);

        puzzleLibrary.Clear();
        QCOMPARE(puzzleLibrary.count(), 0);
        QCOMPARE(puzzleLibrary.LastRecord(), nullptr);
    }

    void recordsStayPutWhileOthersAreAdded() {
        puzzleLibrary.Append(Record("5.TLX"));
        const PuzzleRecord* first = puzzleLibrary.RecordAt(0);
        for (int i = 0; i < 50; ++i) {
            puzzleLibrary.InsertSorted(Record(std::to_string(i) + ".TLX"));
        }
        QCOMPARE(first->fileName, "5.TLX");
    }

    void scanOrdersNumerically_data() {
        QTest::addColumn<QStringList>("created");
        QTest::newRow("10, 2, 1") << QStringList{"10.TLX", "2.TLX", "1.TLX"};
        QTest::newRow("1, 2, 10") << QStringList{"1.TLX", "2.TLX", "10.TLX"};
        QTest::newRow("2, 10, 1") << QStringList{"2.TLX", "10.TLX", "1.TLX"};
    }
    void scanOrdersNumerically() {
        QFETCH(QStringList, created);
        QTemporaryDir folder;
        for (const QString& name : created) {
            Puzzle(folder, name);
        }
        puzzleLibrary.ScanDataFolder(folder.path().toStdString());
        QCOMPARE(FileNames(puzzleLibrary), QStringList({"1.TLX", "2.TLX", "10.TLX"}));
        QCOMPARE(LibraryPosition::StartPosition(puzzleLibrary), 0);
    }

    void scanLeavesOutWhatIsNoPuzzle() {
        QTemporaryDir folder;
        Puzzle(folder, "3.tlx");
        Puzzle(folder, "007.TLX");
        Puzzle(folder, "12abc.TLX");
        Puzzle(folder, "20.TlX");
        Puzzle(folder, "0.TLX");
        Puzzle(folder, "-3.TLX");
        Puzzle(folder, "abc.TLX");
        Puzzle(folder, "4.TXT");
        Puzzle(folder, "4.TLX.bak");
        Puzzle(folder, ".TLX");
        Puzzle(folder, "99999999999.TLX");
        HandFile wrongSignature;
        wrongSignature.signature = "Tessellax";
        WriteBytes(folder.filePath("5.TLX").toStdString(), wrongSignature.Bytes());
        WriteBytes(folder.filePath("6.TLX").toStdString(), "Tessell");
        // Cut short after the signature: listed all the same, under its default names.
        WriteBytes(folder.filePath("8.TLX").toStdString(), HandFile().Bytes().substr(0, 212));
        WriteBytes(folder.filePath("9.TLX").toStdString(), "");
        QVERIFY(QDir(folder.path()).mkdir("10.TLX"));
        QVERIFY(QDir(folder.path()).mkdir("sub"));
        Puzzle(folder, "sub/1.TLX");

        puzzleLibrary.ScanDataFolder(folder.path().toStdString());
        QCOMPARE(FileNames(puzzleLibrary),
                 QStringList({"3.tlx", "007.TLX", "8.TLX", "12abc.TLX", "20.TlX"}));
        QCOMPARE(puzzleLibrary.RecordAt(2)->names.In(Language::English), std::string("Puzzle 8"));
    }

    void leadingZerosKeepTheFileNameAndGiveTheNumber() {
        QTemporaryDir folder;
        Puzzle(folder, "007.TLX");
        puzzleLibrary.ScanDataFolder(folder.path().toStdString());
        const PuzzleRecord* record = puzzleLibrary.RecordAt(0);
        QVERIFY(record != nullptr);
        QCOMPARE(record->fileName, "007.TLX");
        QCOMPARE(record->names, (BilingualText{"Задание 7", "Puzzle 7"}));
        QCOMPARE(record->comments, (BilingualText{"", ""}));
    }

    void equalNumbersStayInListingOrder() {
        // Enough equal numbers that an unstable sort would mix them up.
        QTemporaryDir folder;
        for (int zeros = 0; zeros < 30; ++zeros) {
            for (const char* number : {"6", "5", "4"}) {
                Puzzle(folder, QString(zeros, '0') + number + ".TLX");
            }
        }
        QStringList expected;
        for (const int number : {4, 5, 6}) {
            for (const QString& name : ListingOrder(folder)) {
                if (name.section('.', 0, 0).toInt() == number) {
                    expected << name;
                }
            }
        }
        puzzleLibrary.ScanDataFolder(folder.path().toStdString());
        QCOMPARE(FileNames(puzzleLibrary), expected);
    }

    void scanReadsTheTexts() {
        QTemporaryDir folder;
        Puzzle(folder, "3.TLX", "\xD2\xF0\xE8\0\xEA\xEE\xEC\1Three\0comment"s);
        Puzzle(folder, "4.TLX", "\1Four"s);
        puzzleLibrary.ScanDataFolder(folder.path().toStdString());
        QCOMPARE(*puzzleLibrary.RecordAt(0),
                 (PuzzleRecord{"3.TLX", {"Три", "Three"}, {"ком", "comment"}}));
        QCOMPARE(*puzzleLibrary.RecordAt(1),
                 (PuzzleRecord{"4.TLX", {"Задание 4", "Four"}, {"", ""}}));
    }

    void emptyOrMissingFolderGivesNoRecordAndIndexOne_data() {
        QTest::addColumn<bool>("exists");
        QTest::newRow("empty folder") << true;
        QTest::newRow("missing folder") << false;
    }
    void emptyOrMissingFolderGivesNoRecordAndIndexOne() {
        QFETCH(bool, exists);
        QTemporaryDir parent;
        const QString folder = parent.filePath("DATA");
        if (exists) {
            QVERIFY(QDir(parent.path()).mkdir("DATA"));
        }
        puzzleLibrary.Append(Record("1.TLX"));
        puzzleLibrary.ScanDataFolder(folder.toStdString());
        QCOMPARE(puzzleLibrary.count(), 0);
        QCOMPARE(LibraryPosition::StartPosition(puzzleLibrary), 1);
        QCOMPARE(puzzleLibrary.DataFolder(), folder.toStdString() + "/");
    }

    void scanReplacesTheLibrary() {
        QTemporaryDir folder;
        Puzzle(folder, "1.TLX");
        puzzleLibrary.ScanDataFolder(folder.path().toStdString() + "/");
        puzzleLibrary.ScanDataFolder(folder.path().toStdString());
        QCOMPARE(FileNames(puzzleLibrary), QStringList{"1.TLX"});
        QCOMPARE(puzzleLibrary.DataFolder(), folder.path().toStdString() + "/");
    }

    // "N.TLX" is there at the scan, "+N.TLX" appears after it, "-N.TLX" goes after it; "junk"
    // is a file that is no puzzle but takes the name all the same.
    void newNumbersCountFilesOnDiskAsWellAsRecords_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("free");  // the first free number from 200
        QTest::addColumn<int>("next");  // one above the highest; 0: none is left
        QTest::newRow("empty folder") << QStringList{} << 200 << 1;
        QTest::newRow("records only") << QStringList{"1.TLX", "250.TLX"} << 200 << 251;
        QTest::newRow("a file that appeared after the scan")
            << QStringList{"1.TLX", "+308.TLX"} << 200 << 309;
        QTest::newRow("files that appeared at 200 and 201")
            << QStringList{"+200.TLX", "+201.tlx"} << 202 << 202;
        QTest::newRow("a record whose file has gone")
            << QStringList{"200.TLX", "-200.TLX"} << 201 << 201;
        QTest::newRow("a file that is no puzzle") << QStringList{"+junk 300.TLX"} << 200 << 301;
        QTest::newRow("the largest number taken") << QStringList{"+2147483647.TLX"} << 200 << 0;
    }
    void newNumbersCountFilesOnDiskAsWellAsRecords() {
        QFETCH(QStringList, files);
        QTemporaryDir folder;
        const auto write = [&folder](QString name) {
            if (name.startsWith("junk ")) {
                WriteBytes(folder.filePath(name.mid(5)).toStdString(), "not a puzzle");
            } else {
                Puzzle(folder, name);
            }
        };
        for (const QString& name : files) {
            if (!name.startsWith('+') && !name.startsWith('-')) {
                write(name);
            }
        }
        puzzleLibrary.ScanDataFolder(folder.path().toStdString());
        for (const QString& name : files) {
            if (name.startsWith('+')) {
                write(name.mid(1));
            } else if (name.startsWith('-')) {
                QVERIFY(QFile::remove(folder.filePath(name.mid(1))));
            }
        }
        QTEST(puzzleLibrary.FreeNumber(kFirstDeletableNumber), "free");
        QTEST(puzzleLibrary.NextNumber().value_or(0), "next");
    }

    // A puzzle joining the library is new to the player, whatever its name's mark said.
    void storedPuzzleJoinsTheLibraryWithoutASolvedMark_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("replaces");  // -1: none
        QTest::addColumn<bool>("writable");
        QTest::addColumn<int>("position");  // -1: the write fails
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("marks");  // of 1, 200 and 300.TLX: '.' none, '1' solved
        QTest::newRow("new file at a name that kept its mark")
            << "200.TLX" << -1 << true << 1 << QStringList{"1.TLX", "200.TLX", "300.TLX"} << "1.1";
        QTest::newRow("replacing a record")
            << "300.TLX" << 1 << true << 1 << QStringList{"1.TLX", "300.TLX"} << "11.";
        QTest::newRow("a failed write changes nothing")
            << "200.TLX" << -1 << false << -1 << QStringList{"1.TLX", "300.TLX"} << "111";
    }
    void storedPuzzleJoinsTheLibraryWithoutASolvedMark() {
        QFETCH(QString, fileName);
        QFETCH(int, replaces);
        QFETCH(bool, writable);
        QTemporaryDir folder;
        Puzzle(folder, "1.TLX");
        Puzzle(folder, "300.TLX");
        if (!writable) {
            // A file cannot take the place of a folder.
            QVERIFY(QDir(folder.path()).mkdir(fileName));
        }
        puzzleLibrary.ScanDataFolder(folder.path().toStdString());
        const std::string settingsPath = folder.filePath("tessellix.ini").toStdString();
        WriteBytes(settingsPath,
                   "[Solved]\n1.TLX=1\n200.TLX=1\n300.TLX=1\n[Boards]\n1.TLX=5 "
                   "I0@0,0\n200.TLX=5 I0@0,0\n300.TLX=5 I0@0,0\n");
        Settings settings(settingsPath);
        PuzzleFileData data;
        data.texts.names = {"Новое", "New"};
        const Result<int> stored =
            StorePuzzle(puzzleLibrary, settings, {fileName.toStdString(), data.texts.names, {}},
                        data, replaces < 0 ? std::nullopt : std::optional<int>(replaces));
        QFETCH(int, position);
        QCOMPARE(stored ? *stored : -1, position);
        QTEST(FileNames(puzzleLibrary), "names");
        QString marks;
        for (const SolvedMark mark : settings.ReadSolvedMarks({"1.TLX", "200.TLX", "300.TLX"})) {
            marks += mark == SolvedMark::None ? '.' : '1';
        }
        QTEST(marks, "marks");
        // A kept board goes with the mark.
        QString kept;
        for (const char* name : {"1.TLX", "200.TLX", "300.TLX"}) {
            kept += settings.ReadKeptBoard(name) ? '1' : '.';
        }
        QCOMPARE(kept, marks);
        if (stored) {
            QCOMPARE(ReadPuzzleFile(folder.filePath(fileName).toStdString()).data.texts.names,
                     data.texts.names);
        }
    }
};

}  // namespace tessellix

QTEST_GUILESS_MAIN(tessellix::PuzzleLibraryTest)
#include "test_puzzle_library.moc"
