#include <QTest>
#include <map>

#include "model/board_input.h"
#include "model/board_names.h"
#include "tests/ascii_grid.h"

Q_DECLARE_METATYPE(std::vector<std::string>)

namespace tessellix {

namespace {

// Three rows, five columns: row 2, column 5 and row 3, columns 2-5 are outside; I and L used.
const std::vector<std::string> kPuzzle{"XXXXX", "XXXX.", "X...."};

std::optional<BoardKey> KeyOf(const QString& word) {
    static const std::map<QString, BoardKey> keys{
        {"tab", BoardKey::Tab},           {"left", BoardKey::Left},
        {"right", BoardKey::Right},       {"up", BoardKey::Up},
        {"down", BoardKey::Down},         {"space", BoardKey::Space},
        {"mirror", BoardKey::ShiftSpace}, {"return", BoardKey::Return},
        {"escape", BoardKey::Escape}};
    const auto found = keys.find(word);
    return found == keys.end() ? std::nullopt : std::optional(found->second);
}

// Plays the moves on kPuzzle and answers the query in the language: "cell R,C", "name F",
// "desc F", "board", "used", or "spoken" for what the last move says. Moves are keys, "lift I"
// (the mouse picks I at home), "undo" and "reset".
QString Answer(const QStringList& moves, const QString& query, Language language) {
    PuzzleLibrary noLibrary;
    PlaySession session(noLibrary);
    session.Puzzle().SetCells(AsciiGrid(kPuzzle, kGridSide));
    session.Puzzle().names = {"Тест", "Test"};
    for (Element& element : session.Elements()) {
        element.excluded = element.id == 0 || element.id == 1 ? 0 : 1;
    }
    BoardInput input(session);
    BilingualText spoken;
    for (const QString& move : moves) {
        if (const std::optional<BoardKey> key = KeyOf(move)) {
            spoken = BoardNames::Spoken(input.KeyPressed(*key));
        } else if (move == "lift I") {
            const Element& element = session.Elements()[0];
            session.Lift(0, PixelPoint{element.x + 2, element.y + 2});
        } else if (move == "undo") {
            session.Undo();
            spoken = BoardNames(session).Undone();
        } else if (move == "reset") {
            session.ResetBoard();
            spoken = BoardNames::BoardReset();
        }
    }
    const BoardNames names(session);
    const QStringList words = query.split(' ');
    const int element = words.size() > 1 ? QString(kElementLetters).indexOf(words[1]) : -1;
    BilingualText text;
    if (words[0] == "cell") {
        const QStringList place = words[1].split(',');
        text = names.CellName({place[0].toInt(), place[1].toInt()});
    } else if (words[0] == "name") {
        text = names.ElementName(element);
    } else if (words[0] == "desc") {
        text = names.ElementDescription(element);
    } else if (words[0] == "board") {
        text = names.BoardDescription();
    } else if (words[0] == "used") {
        QString letters = QString("%1x%2 ").arg(names.Rows()).arg(names.Columns());
        for (int used : names.UsedElements())
            letters += kElementLetters[used];
        return letters;
    } else if (words[0] == "spoken") {
        text = spoken;
    }
    return QString::fromStdString(text.In(language));
}

}  // namespace

class TestBoardNames : public QObject {
    Q_OBJECT

  private slots:
    void theBoardIsReadAsItStands_data() {
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("russian");
        const QStringList none;
        const QStringList placedI{"tab", "right", "space", "return"};

        QTest::newRow("rows, columns and the used elements in the set's order") << none << "used"
                                                                                << "3x5 IL"
                                                                                << "3x5 IL";
        QTest::newRow("the board with its name and free cells") << none << "board"
                                                                << "Test: 10 free cells"
                                                                << "Тест: 10 свободных клеток";
        QTest::newRow("a free cell") << none << "cell 1,4"
                                     << "row 1, column 4: free"
                                     << "ряд 1, столбец 4: свободна";
        QTest::newRow("a cell of the rectangle outside the puzzle")
            << none << "cell 3,2"
            << "row 3, column 2: outside"
            << "ряд 3, столбец 2: вне задания";
        QTest::newRow("an element at home") << none << "name I"
                                            << "I: at home"
                                            << "I: на исходной позиции";
        QTest::newRow("at home, its shape in its own rows and columns")
            << none << "desc L"
            << "row 1, column 1; row 1, column 2; row 2, column 2; row 3, column 2; row 4, column 2"
            << "ряд 1, столбец 1; ряд 1, столбец 2; ряд 2, столбец 2; ряд 3, столбец 2; "
               "ряд 4, столбец 2";
        QTest::newRow("a turn at home keeps the name and turns the shape")
            << QStringList{"tab", "space"} << "desc I"
            << "row 1, column 1; row 1, column 2; row 1, column 3; row 1, column 4; row 1, column 5"
            << "ряд 1, столбец 1; ряд 1, столбец 2; ряд 1, столбец 3; ряд 1, столбец 4; "
               "ряд 1, столбец 5";
        QTest::newRow("held by the keys, partly off the rectangle")
            << QStringList{"tab", "right"} << "name I"
            << "I over row 1, column 1: does not fit"
            << "I над рядом 1, столбцом 1: не помещается";
        QTest::newRow("turned in the hand where it fits")
            << QStringList{"tab", "right", "space"} << "name I"
            << "I over row 1, column 1: fits"
            << "I над рядом 1, столбцом 1: помещается";
        QTest::newRow("over a cell outside the puzzle")
            << QStringList{"tab", "right", "space", "down"} << "name I"
            << "I over row 2, column 1: does not fit"
            << "I над рядом 2, столбцом 1: не помещается";
        QTest::newRow("held over the cells it would cover")
            << QStringList{"tab", "right", "space", "down"} << "desc I"
            << "row 2, column 1; row 2, column 2; row 2, column 3; row 2, column 4; row 2, column 5"
            << "ряд 2, столбец 1; ряд 2, столбец 2; ряд 2, столбец 3; ряд 2, столбец 4; "
               "ряд 2, столбец 5";
        QTest::newRow("first cell counted on the rectangle")
            << QStringList{"tab", "tab", "right", "left"} << "name L"
            << "L over row 1, column 1: does not fit"
            << "L над рядом 1, столбцом 1: не помещается";
        QTest::newRow("no cell on the rectangle")
            << QStringList{"tab", "right", "right", "right", "right", "right", "right"} << "name I"
            << "I outside the board"
            << "I вне доски";
        QTest::newRow("held by the mouse") << QStringList{"lift I"} << "name I"
                                           << "I: held"
                                           << "I: в руке";
        QTest::newRow("a drop that fits") << placedI << "spoken"
                                          << "I placed"
                                          << "I уложен";
        QTest::newRow("placed") << placedI << "name I"
                                << "I: placed"
                                << "I: уложен";
        QTest::newRow("placed, the cells it covers")
            << placedI << "desc I"
            << "row 1, column 1; row 1, column 2; row 1, column 3; row 1, column 4; row 1, column 5"
            << "ряд 1, столбец 1; ряд 1, столбец 2; ряд 1, столбец 3; ряд 1, столбец 4; "
               "ряд 1, столбец 5";
        QTest::newRow("a covered cell has the element's letter") << placedI << "cell 1,5"
                                                                 << "row 1, column 5: I"
                                                                 << "ряд 1, столбец 5: I";
        QTest::newRow("the board counts what is left") << placedI << "board"
                                                       << "Test: 5 free cells"
                                                       << "Тест: 5 свободных клеток";
        QTest::newRow("a drop that fits nowhere")
            << QStringList{"tab", "right", "return"} << "spoken"
            << "I does not fit there: back home"
            << "I здесь не помещается: на исходную позицию";
        QTest::newRow("sent home from the board") << (placedI + QStringList{"escape"}) << "spoken"
                                                  << "I back home"
                                                  << "I на исходной позиции";
        QTest::newRow("undo tells the free cells") << (placedI + QStringList{"undo"}) << "spoken"
                                                   << "Move undone, 10 free cells"
                                                   << "Ход отменён, 10 свободных клеток";
        QTest::newRow("the last drop solves")
            << (placedI + QStringList{"tab", "right", "space", "space", "space", "down", "return"})
            << "spoken"
            << "L placed. Solved"
            << "L уложен. Решено";
    }
    void theBoardIsReadAsItStands() {
        QFETCH(QStringList, moves);
        QFETCH(QString, query);
        QFETCH(QString, english);
        QFETCH(QString, russian);
        QCOMPARE(Answer(moves, query, Language::English), english);
        QCOMPARE(Answer(moves, query, Language::Russian), russian);
    }
};

}  // namespace tessellix

QTEST_GUILESS_MAIN(tessellix::TestBoardNames)
#include "test_board_names.moc"
