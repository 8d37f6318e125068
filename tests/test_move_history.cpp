// The undo history on boards written as text ("L1 V0@2,1": L turned once at home, V placed with
// its corner on cell (2, 1), every other element home unturned): what makes a step, and where
// travelling back and forward leads.

#include <QtTest>

#include "model/move_history.h"

namespace tessellix {

namespace {

BoardState BoardOf(const QString& text) {
    BoardState board;
    for (const QString& element : text.split(' ', Qt::SkipEmptyParts)) {
        ElementState& state = board[std::string_view(kElementLetters).find(element[0].toLatin1())];
        state.orientation = element.mid(1, 1).toInt();
        if (element.contains('@')) {
            const QStringList cell = element.section('@', 1).split(',');
            state.placed = GridCell{cell[0].toInt(), cell[1].toInt()};
        }
    }
    return board;
}

}  // namespace

class MoveHistoryTest : public QObject {
    Q_OBJECT
  private slots:
    // "to B": a move from the board as it is to B; "begin", "hold B" and "end B": the same in
    // steps, the board changing in the hand between them; "back" and "forward" travel, giving
    // the board reached or "end".
    void travelRetracesTheSteps_data() {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QStringList>("travelled");  // the boards reached, or "end"
        QTest::newRow("each move a step, back and forward again")
            << QStringList{"to V0@0,0", "to L1 V0@0,0", "back",    "back",
                           "back",      "forward",      "forward", "forward"}
            << QStringList{"V0@0,0", "", "end", "V0@0,0", "L1 V0@0,0", "end"};
        QTest::newRow("T, I and X turned into the same cells are no step")
            << QStringList{"to T4", "to I4 T4", "to I4 T4 X7", "back"} << QStringList{"end"};
        QTest::newRow("a move that ends where it began is no step")
            << QStringList{"to V0@0,0", "to V0@0,0", "back", "back"} << QStringList{"", "end"};
        QTest::newRow("a new step forgets what was travelled back over")
            << QStringList{"to L1", "to L2", "back", "to L1 V0@0,0", "forward", "back"}
            << QStringList{"L1", "end", "L1"};
        QTest::newRow("a begin while a move is begun belongs to it")
            << QStringList{"begin", "hold L1", "begin", "end L2", "back"} << QStringList{""};
    }
    void travelRetracesTheSteps() {
        QFETCH(QStringList, script);
        QFETCH(QStringList, travelled);
        MoveHistory history;
        BoardState board;
        std::vector<std::optional<BoardState>> reached;
        std::vector<std::optional<BoardState>> expected;
        for (const QString& text : travelled) {
            expected.push_back(text == "end" ? std::nullopt : std::optional(BoardOf(text)));
        }
        for (const QString& step : script) {
            const QString verb = step.section(' ', 0, 0);
            const BoardState next = BoardOf(step.section(' ', 1));
            if (verb == "begin" || verb == "to") {
                history.Begin(board);
            }
            if (verb == "hold" || verb == "end" || verb == "to") {
                board = next;
            }
            if (verb == "end" || verb == "to") {
                history.End(board);
            }
            if (verb == "back" || verb == "forward") {
                const auto direction =
                    verb == "back" ? MoveHistory::Direction::Back : MoveHistory::Direction::Forward;
                const bool open = history.CanTravel(direction);
                reached.push_back(history.Travel(direction));
                QCOMPARE(reached.back().has_value(), open);
                board = reached.back().value_or(board);
            }
        }
        QVERIFY(reached == expected);
    }
};

}  // namespace tessellix

QTEST_APPLESS_MAIN(tessellix::MoveHistoryTest)
#include "test_move_history.moc"
