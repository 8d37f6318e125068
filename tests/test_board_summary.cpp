// Describe board's sentence on ASCII boards: counts and their word forms, regions, the regions
// that cannot be filled, and the elements left.

#include <QTest>

#include "model/board_input.h"
#include "model/board_summary.h"
#include "tests/board_picture.h"

Q_DECLARE_METATYPE(std::vector<std::string>)

namespace tessellix {

class TestBoardSummary : public QObject {
    Q_OBJECT

  private slots:
    void summaryOfABoard_data() {
        QTest::addColumn<Picture>("board");  // 'X' free, 'o' covered
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("russian");
        QTest::newRow("a region too small to fill; letters in alphabetical order")
            << Picture{"XXXXXXXXXX", "XXXXXXXXXX", "XXXXXXXXXX",
                       "oooooooooo", "ooooooooXX", "ooooooooXX"}
            << "UTPNLIF"
            << "34 free cells in 2 regions: 30 from row 1, column 1; 4 from row 5, column 9, "
               "which cannot be filled. Left: F, I, L, N, P, T, U."
            << "34 свободные клетки в 2 областях: 30 от ряда 1, столбца 1; 4 от ряда 5, столбца "
               "9, её не заполнить. Осталось: F, I, L, N, P, T, U.";
        QTest::newRow("one cell, counted from a covered top left, and no element left")
            << Picture{"oX"} << ""
            << "1 free cell in 1 region: 1 from row 1, column 2, which cannot be filled. No "
               "elements left."
            << "1 свободная клетка в 1 области: 1 от ряда 1, столбца 2, её не заполнить. "
               "Элементов не осталось.";
        QTest::newRow("twenty-one cells take the Russian singular")
            << Picture{"XXXXXXXXXX", "XXXXXXXXXX", "oooooooooo", "Xooooooooo"} << "VX"
            << "21 free cells in 2 regions: 20 from row 1, column 1; 1 from row 4, column 1, "
               "which cannot be filled. Left: V, X."
            << "21 свободная клетка в 2 областях: 20 от ряда 1, столбца 1; 1 от ряда 4, столбца "
               "1, её не заполнить. Осталось: V, X.";
        QTest::newRow("fifteen cells in one region that can be filled")
            << Picture{"XXXXX", "XXXXX", "XXXXX"} << "YUL"
            << "15 free cells in 1 region: 15 from row 1, column 1. Left: L, U, Y."
            << "15 свободных клеток в 1 области: 15 от ряда 1, столбца 1. Осталось: L, U, Y.";
        QTest::newRow("a solved board") << Picture{"ooooo"} << ""
                                        << "No free cells. No elements left."
                                        << "Свободных клеток нет. Элементов не осталось.";
    }
    void summaryOfABoard() {
        QFETCH(Picture, board);
        QFETCH(QString, left);
        const int n = 12;
        std::vector<int> elements;
        for (const QChar letter : left) {
            elements.push_back(ElementOf(letter));
        }
        const BilingualText summary = BoardSummary(AsciiGrid(board, n, 1, 1), n, elements);
        QTEST(QString::fromStdString(summary.In(Language::English)), "english");
        QTEST(QString::fromStdString(summary.In(Language::Russian)), "russian");
    }

    // What is left is what is not placed: the element that the keys hold counts, an unused one
    // does not.
    void theSessionsElementsLeftIncludeTheHeldOne() {
        PuzzleLibrary noLibrary;
        PlaySession session(noLibrary);
        session.Puzzle().SetCells(AsciiGrid({"XXXXX", "XXXXX", "XXXXX"}, kGridSide));
        for (Element& element : session.Elements()) {
            element.excluded = QString("ILU").contains(kElementLetters[element.id]) ? 0 : 1;
        }
        QVERIFY(session.PlaceHint(ElementOf('I'), OrientationIndex(1, 0), {0, 2}));
        BoardInput input(session);
        input.KeyPressed(BoardKey::Tab);
        input.KeyPressed(BoardKey::Tab);
        input.KeyPressed(BoardKey::Right);
        QCOMPARE(session.PlayerHand().held, ElementOf('L'));
        QCOMPARE(QString::fromStdString(BoardSummary(session).In(Language::English)),
                 "10 free cells in 1 region: 10 from row 1, column 1. Left: L, U.");
    }
};

}  // namespace tessellix

QTEST_GUILESS_MAIN(tessellix::TestBoardSummary)
#include "test_board_summary.moc"
