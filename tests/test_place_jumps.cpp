// Ctrl+Right and Ctrl+Left on ASCII boards: the places an element jumps to, checked against a
// scan of the picture, and where a jump goes on from.

#include <QTest>

#include "model/board_input.h"
#include "tests/board_picture.h"

Q_DECLARE_METATYPE(std::vector<std::string>)

namespace tessellix {

namespace {

// The only used element, `letter`, in `orientation`, on the puzzle of the picture ('X' a cell,
// with a cell in its first row and in its first column, so that the matrix starts there).
struct Jumper {
    PuzzleLibrary noLibrary;
    PlaySession session{noLibrary};
    BoardInput input{session};
    int element;

    Jumper(const Picture& puzzle, QChar letter, int orientation) : element(ElementOf(letter)) {
        session.Puzzle().SetCells(AsciiGrid(puzzle, kGridSide));
        for (Element& each : session.Elements()) {
            each.excluded = each.id == element ? 0 : 1;
        }
        session.Elements()[element].TurnTo(orientation);
    }

    // "held 2,0" or "placed 2,0", the corner's cell of the puzzle's matrix, or "home".
    QString Where() const {
        const Element& shape = session.Elements()[element];
        if (shape.IsAtHome()) {
            return "home";
        }
        return QString("%1 %2,%3")
            .arg(session.PlayerHand().held == element ? "held" : "placed")
            .arg((shape.x - session.Puzzle().x) / kCellSize)
            .arg((shape.y - session.Puzzle().y) / kCellSize);
    }

    // "jump" (Ctrl+Right), "back" (Ctrl+Left), "tab", "right", "left", "down", "return". What
    // the last move answered: "I chosen, I lifted, I moved".
    QString Play(const QStringList& moves) {
        static const QMap<QString, BoardKey> kKeys{{"tab", BoardKey::Tab},
                                                   {"right", BoardKey::Right},
                                                   {"left", BoardKey::Left},
                                                   {"down", BoardKey::Down},
                                                   {"return", BoardKey::Return}};
        static const char* const kKinds[] = {"chosen",   "lifted", "moved",     "turned",
                                             "mirrored", "placed", "went home", "sent home"};
        InputOutcome outcome;
        for (const QString& move : moves) {
            outcome = move == "jump"   ? input.PlaceJumped(1)
                      : move == "back" ? input.PlaceJumped(-1)
                                       : input.KeyPressed(kKeys.value(move));
        }
        QStringList said;
        for (const InputOutcome::Change& change : outcome.changes) {
            said << QString("%1 %2")
                        .arg(kElementLetters[change.element])
                        .arg(kKinds[static_cast<int>(change.kind)]);
        }
        return said.join(", ");
    }
};

// Every corner "C,R" in reading order where the element's five cells lie on cells of the
// picture, found without the game's own fitting.
QStringList PlacesByScan(const Picture& picture, int element, int orientation) {
    const ElementOrientation& o = OrientationTable::Standard().State(element, orientation);
    QStringList places;
    for (int row = 0; row < int(picture.size()); ++row) {
        for (int column = 0; column < int(picture[row].size()); ++column) {
            bool fits = true;
            for (int k = 0; k < kElementCells; ++k) {
                const std::size_t r = row + o.cellRows[k];
                const std::size_t c = column + o.cellColumns[k];
                fits = fits && r < picture.size() && c < picture[r].size() && picture[r][c] == 'X';
            }
            if (fits) {
                places << QString("%1,%2").arg(column).arg(row);
            }
        }
    }
    return places;
}

}  // namespace

class TestPlaceJumps : public QObject {
    Q_OBJECT

  private slots:
    void jumpsVisitEveryPlaceInReadingOrderAndWrap_data() {
        QTest::addColumn<Picture>("puzzle");
        QTest::addColumn<QString>("element");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<int>("step");
        const Picture holed{"XXXXX", "XX.XX", "XXXXX", "XXXXX"};
        const Picture plus{".XXX.", "XXXXX", "XXXXX", ".XXX."};
        for (const int step : {1, -1}) {
            const char* way = step > 0 ? "forward" : "backward";
            QTest::addRow("I lying in a rectangle, %s", way)
                << Picture(3, "XXXXX") << "I" << OrientationIndex(1, 0) << step;
            QTest::addRow("L round a hole, %s", way) << holed << "L" << 0 << step;
            QTest::addRow("P mirrored and turned round a hole, %s", way)
                << holed << "P" << OrientationIndex(2, 1) << step;
            QTest::addRow("X in a plus, %s", way) << plus << "X" << 0 << step;
            QTest::addRow("U turned on a wide board, %s", way)
                << Picture(2, "XXXXXXXX") << "U" << OrientationIndex(1, 0) << step;
        }
    }
    void jumpsVisitEveryPlaceInReadingOrderAndWrap() {
        QFETCH(Picture, puzzle);
        QFETCH(QString, element);
        QFETCH(int, orientation);
        QFETCH(int, step);
        Jumper jumper(puzzle, element[0], orientation);
        QStringList expected = PlacesByScan(puzzle, jumper.element, orientation);
        QVERIFY(expected.size() > 1);
        if (step < 0) {
            std::reverse(expected.begin(), expected.end());
        }
        expected << expected.first();
        QStringList visited;
        for (int jump = 0; jump < expected.size(); ++jump) {
            QVERIFY(jumper.Play({step > 0 ? "jump" : "back"}).endsWith(element + " moved"));
            visited << jumper.Where().mid(QString("held ").size());
        }
        QCOMPARE(visited, expected);
    }

    void aJumpGoesOnFromWhereTheElementIs_data() {
        QTest::addColumn<Picture>("puzzle");
        QTest::addColumn<int>("orientation");  // of I
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<QString>("answer");  // of the last move
        QTest::addColumn<QString>("where");
        const Picture wide(3, "XXXXXXX");
        const int lying = OrientationIndex(1, 0);
        QTest::newRow("with none chosen, Tab's choice comes first")
            << wide << lying << QStringList{"jump"} << "I chosen, I lifted, I moved"
            << "held 0,0";
        QTest::newRow("from home backwards, the last place")
            << wide << lying << QStringList{"tab", "back"} << "I lifted, I moved"
            << "held 2,2";
        QTest::newRow("after an arrow, the next place")
            << wide << lying << QStringList{"tab", "right", "right", "jump"} << "I moved"
            << "held 2,0";
        QTest::newRow("past a row's last place, the next row")
            << wide << lying << QStringList{"tab", "right", "right", "right", "jump"} << "I moved"
            << "held 0,1";
        QTest::newRow("below the puzzle, round to the first place")
            << wide << lying << QStringList{"tab", "right", "down", "down", "down", "jump"}
            << "I moved"
            << "held 0,0";
        QTest::newRow("a placed element leaves its own place")
            << wide << lying << QStringList{"tab", "right", "return", "jump"} << "I lifted, I moved"
            << "held 1,0";
        QTest::newRow("a placed element with one place comes back to it")
            << Picture{"XXXXX"} << lying << QStringList{"tab", "right", "return", "back"}
            << "I lifted, I moved"
            << "held 0,0";
        QStringList againstTheEdge{"tab", "right"};
        for (int push = 0; push < 20; ++push) {
            againstTheEdge << "left";
        }
        QTest::newRow("pushed off the grid against the board's edge, back to the last place")
            << Picture(2, "XXXXXX") << lying << (againstTheEdge << "back") << "I moved"
            << "held 1,1";
        QTest::newRow("fitting nowhere, nothing moves")
            << wide << 0 << QStringList{"tab", "jump"} << ""
            << "home";
        QTest::newRow("fitting nowhere, only Tab's choice is made")
            << wide << 0 << QStringList{"back"} << "I chosen"
            << "home";
    }
    void aJumpGoesOnFromWhereTheElementIs() {
        QFETCH(Picture, puzzle);
        QFETCH(int, orientation);
        QFETCH(QStringList, moves);
        Jumper jumper(puzzle, 'I', orientation);
        QTEST(jumper.Play(moves), "answer");
        QTEST(jumper.Where(), "where");
    }
};

}  // namespace tessellix

QTEST_GUILESS_MAIN(tessellix::TestPlaceJumps)
#include "test_place_jumps.moc"
