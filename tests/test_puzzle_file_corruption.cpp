// Corrupt and truncated puzzle files go through the scan and the load without a crash or a
// read outside the file. Also built with AddressSanitizer, which turns any such read into a
// failure.

#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>

#include "library/puzzle_library.h"
#include "model/puzzle_shape.h"
#include "tests/puzzle_bytes.h"

namespace tessellix {

namespace {

std::string ValidFile() {
    HandFile file;
    for (int i = 0; i < 12; ++i) {
        file.records[i] = {0x81, static_cast<std::uint8_t>(2 * (i % 4) + 8 * (i % 2)),
                           static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(-i)};
    }
    file.Cells({"####....", "########", "#..##..#"}, 23, 28);
    file.text = "\xC8\xEC\xFF\0\xCA\xEE\xEC\xEC\xE5\xED\xF2\1Name\0Comment\r\nline"s;
    return file.Bytes();
}

struct Outcome {
    bool listed = false;
    bool loaded = false;
    int cells = 0;
};

// Scans a folder holding only the given bytes as 5.TLX, then loads that file.
Outcome ScanAndLoad(const QTemporaryDir& folder, const std::string& bytes) {
    // Removed first: truncating a file on ext4 forces its data to disk, which is slow.
    const std::string path = folder.filePath("5.TLX").toStdString();
    std::filesystem::remove(path);
    WriteBytes(path, bytes);
    PuzzleLibrary library;
    library.ScanDataFolder(folder.path().toStdString());
    Outcome outcome;
    outcome.listed = library.count() == 1;
    ElementSet elements;
    PuzzleShape shape;
    outcome.loaded = !shape.Load(path, elements);
    outcome.cells = static_cast<int>(std::count(shape.cells.begin(), shape.cells.end(), 1));
    for (const Element& element : elements) {
        // Whatever the bytes, the values stay inside what a record can carry.
        if (element.solutionRotation < 0 || element.solutionRotation > 3 ||
            element.solutionColumn < -128 || element.solutionColumn > 127) {
            outcome.loaded = false;
        }
    }
    return outcome;
}

}  // namespace

class PuzzleFileCorruptionTest : public QObject {
    Q_OBJECT
  private slots:
    void everyPrefixIsHandled() {
        QTemporaryDir folder;
        const std::string file = ValidFile();
        for (std::size_t length = 0; length <= file.size(); ++length) {
            const Outcome outcome = ScanAndLoad(folder, file.substr(0, length));
            QCOMPARE(outcome.listed, length >= kPuzzleSignature.size());
            QCOMPARE(outcome.loaded, length >= kReservedOffset);
            QCOMPARE(outcome.cells, length >= kReservedOffset ? 16 : 0);
        }
    }

    void everyBitFlipOfTheFixedPartIsHandled() {
        QTemporaryDir folder;
        const std::string file = ValidFile();
        for (std::size_t byte = 0; byte < kTextBlockOffset; ++byte) {
            for (int bit = 0; bit < 8; ++bit) {
                std::string flipped = file;
                flipped[byte] = static_cast<char>(flipped[byte] ^ (1 << bit));
                const Outcome outcome = ScanAndLoad(folder, flipped);
                QCOMPARE(outcome.listed, byte >= kPuzzleSignature.size());
                QVERIFY(outcome.loaded);
            }
        }
    }

    void everyTextByteAsATerminatorOrSeparatorIsHandled() {
        QTemporaryDir folder;
        const std::string file = ValidFile();
        for (std::size_t byte = kTextBlockOffset; byte < file.size(); ++byte) {
            for (const char value : {'\0', '\1'}) {
                std::string changed = file;
                changed[byte] = value;
                const Outcome outcome = ScanAndLoad(folder, changed);
                QVERIFY(outcome.listed);
                QVERIFY(outcome.loaded);
            }
        }
    }

    void oversizedTextBlockIsHandled() {
        QTemporaryDir folder;
        std::string file = ValidFile() + std::string(3000, '\1');
        const Outcome outcome = ScanAndLoad(folder, file);
        QVERIFY(outcome.listed);
        QVERIFY(outcome.loaded);
    }
};

}  // namespace tessellix

QTEST_GUILESS_MAIN(tessellix::PuzzleFileCorruptionTest)
#include "test_puzzle_file_corruption.moc"
