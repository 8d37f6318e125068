// The play board's position in the library as records join it: it stays on its puzzle.

#include <QtTest>

#include "model/library_position.h"

namespace tessellix {

class LibraryPositionTest : public QObject {
    Q_OBJECT
  private slots:
    void insertedRecordKeepsThePlayedPuzzle_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("played");
        QTest::addColumn<int>("position");  // of the played puzzle once 200.TLX has joined
        QTest::newRow("in front of it") << QStringList{"1.TLX", "300.TLX"} << 1 << 2;
        QTest::newRow("behind it") << QStringList{"1.TLX", "300.TLX"} << 0 << 0;
        QTest::newRow("into an empty library") << QStringList{} << 0 << 0;
    }
    void insertedRecordKeepsThePlayedPuzzle() {
        QFETCH(QStringList, files);
        QFETCH(int, played);
        QFETCH(int, position);
        PuzzleLibrary library;
        for (const QString& name : files) {
            library.InsertSorted({name.toStdString(), {}, {}});
        }
        LibraryPosition board(library);
        if (!files.isEmpty()) {
            board.Play(played);
        }
        const PuzzleRecord* before = board.PlayedRecord();
        board.RecordInserted(library.InsertSorted({"200.TLX", {}, {}}));
        QCOMPARE(board.Index(), position);
        QCOMPARE(board.PlayedRecord(), before);
        QVERIFY(board.LibraryNonEmpty());
    }
};

}  // namespace tessellix

QTEST_APPLESS_MAIN(tessellix::LibraryPositionTest)
#include "test_library_position.moc"
