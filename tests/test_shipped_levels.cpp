// The levels shipped beside the puzzles: a puzzle is found by its cells and its elements, through
// the text of the table's file, and a line that is not of the table's form is left out.

#include <QtTest>

#include "library/shipped_levels.h"
#include "tests/ascii_grid.h"

Q_DECLARE_METATYPE(tessellix::PuzzleFileData)

namespace tessellix {

namespace {

// The 3 x 5 rectangle of F, P and U.
PuzzleFileData Rectangle() {
    PuzzleFileData data;
    data.grid = AsciiGrid({"XXXXX", "XXXXX", "XXXXX"}, kGridSide, 13, 8);
    for (int i = 0; i < kElementRecordCount; ++i) {
        data.elements[i].used = i == 7 || i == 9 || i == 11;
    }
    return data;
}

}  // namespace

class ShippedLevelsTest : public QObject {
    Q_OBJECT
  private slots:
    void aPuzzleIsKnownByItsCellsAndElements_data() {
        QTest::addColumn<PuzzleFileData>("puzzle");
        QTest::addColumn<bool>("known");
        PuzzleFileData data = Rectangle();
        QTest::newRow("the puzzle as shipped") << data << true;
        data.texts.names = {"Прямоугольник", "Rectangle"};
        data.elements[7] = {true, true, {1, 0, 0, 0}};
        QTest::newRow("renamed, with a stored solution") << data << true;
        data = Rectangle();
        data.grid[8 * kGridSide + 12] = 1;
        QTest::newRow("a cell more") << data << false;
        data = Rectangle();
        data.elements[0].used = true;
        QTest::newRow("an element more") << data << false;
        data.grid = AsciiGrid({"XXXXX", "XXXXX", "XXXXX"}, kGridSide, 14, 8);
        data.elements = Rectangle().elements;
        QTest::newRow("the shape moved") << data << false;
    }
    void aPuzzleIsKnownByItsCellsAndElements() {
        QFETCH(PuzzleFileData, puzzle);
        QFETCH(bool, known);
        ShippedLevels shipped;
        shipped.Add("7.TLX", Rectangle(), Level::Hard);
        const ShippedLevels read = ShippedLevels::Parse(shipped.Text());
        QCOMPARE(read.Find(puzzle), known ? std::optional(Level::Hard) : std::nullopt);
    }

    void aLineNotOfTheFormIsLeftOut_data() {
        const QString key = QString::fromStdString(ShippedLevels::KeyOf(Rectangle()));
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("read");
        QTest::newRow("a puzzle's line") << "7.TLX " + key + " medium" << true;
        QTest::newRow("a comment") << "# 7.TLX " + key + " medium" << false;
        QTest::newRow("no file name") << key + " medium" << false;
        QTest::newRow("a word more") << "7.TLX " + key + " medium now" << false;
        QTest::newRow("a key cut short") << "7.TLX " + key.mid(1) + " medium" << false;
        QTest::newRow("no level of ours") << "7.TLX " + key + " tricky" << false;
    }
    void aLineNotOfTheFormIsLeftOut() {
        QFETCH(QString, line);
        QFETCH(bool, read);
        const ShippedLevels table = ShippedLevels::Parse((line + "\n").toStdString());
        QCOMPARE(table.Find(Rectangle()), read ? std::optional(Level::Medium) : std::nullopt);
    }
};

}  // namespace tessellix

QTEST_APPLESS_MAIN(tessellix::ShippedLevelsTest)
#include "test_shipped_levels.moc"
