// The rules of the board without any window, played as moves on small ASCII puzzles.

#include <QtTest>

#include "library/puzzle_file.h"
#include "model/play_session.h"
#include "tests/ascii_grid.h"
#include "tests/puzzle_bytes.h"

namespace tessellix {

using Picture = std::vector<std::string>;

namespace {

// Element by its letter: ILYNVTZFWUXP for 0..11.
int ElementOf(const QString& letter) {
    return static_cast<int>(std::string_view(kElementLetters).find(letter.at(0).toLatin1()));
}

// What a move changes: the board's cells and where and how every element lies.
struct Snapshot {
    Picture cells;
    BoardState elements;
    bool operator==(const Snapshot&) const = default;
};

// A session on the puzzle of the picture ('X' a cell), every element used.
struct Board {
    PuzzleLibrary noLibrary;
    PlaySession session{noLibrary};

    explicit Board(const Picture& puzzle) {
        session.Puzzle().SetCells(AsciiGrid(puzzle, kGridSide));
        for (Element& element : session.Elements()) {
            element.excluded = 0;
        }
    }

    Snapshot Now() const { return {AsciiRows(session.Puzzle()), session.State()}; }
    bool holding = false;
    BoardState moveStart{};

    // "V 1,0" drops V with its corner on grid point (1, 0); "V 1,0 +8,-3" a few pixels off it;
    // "turn V" and "mirror V" (at home or lifted), "lift V", "home V", "reset", "undo" and "redo"
    // do what they say. A move is recorded as the hand records it: from a lift to the next drop is
    // one. Returns how the last drop ended.
    QString Play(const QStringList& moves) {
        QString outcome;
        for (const QString& move : moves) {
            if (move == "undo" || move == "redo") {
                if (!(move == "undo" ? session.Undo() : session.Redo())) {
                    return "nothing to " + move;
                }
                continue;
            }
            if (!holding) {
                moveStart = session.State();
            }
            holding = move.startsWith("lift") || (holding && !move.contains(','));
            outcome = Move(move, outcome);
            if (!holding) {
                session.RecordMove(moveStart);
            }
        }
        return outcome;
    }

    QString Move(const QString& move, QString outcome) {
        {
            const QStringList words = move.split(' ');
            if (words[0] == "reset") {
                session.ResetBoard();
                return outcome;
            }
            if (words.size() == 2 && !words[1].contains(',')) {
                Element& element = session.Elements()[ElementOf(words[1])];
                if (words[0] == "turn" || words[0] == "mirror") {
                    const TransformKind kind = words[0] == "turn" ? TurnClockwise : Mirror;
                    // At home in its box, or in the hand.
                    if (element.IsAtHome()) {
                        element.Transform(kind);
                    } else {
                        session.TurnHeld(element.id, kind, std::nullopt);
                    }
                } else if (words[0] == "lift") {
                    session.PickUp(element.id);
                } else {
                    session.SendHome(element.id);
                }
                return outcome;
            }
            const int index = ElementOf(words[0]);
            const QStringList grid = words[1].split(',');
            const QStringList offset =
                words.size() > 2 ? words[2].mid(1).split(',') : QStringList{"0", "0"};
            const PuzzleShape& puzzle = session.Puzzle();
            session.PickUp(index);
            session.Elements()[index].SetPosition(
                puzzle.x + grid[0].toInt() * kCellSize + offset[0].toInt(),
                puzzle.y + grid[1].toInt() * kCellSize + offset[1].toInt());
            switch (session.Drop(index)) {
                case PlaySession::DropResult::WentHome:
                    outcome = "home";
                    break;
                case PlaySession::DropResult::Placed:
                    outcome = "placed";
                    break;
                case PlaySession::DropResult::Solved:
                    outcome = "solved";
                    break;
            }
        }
        return outcome;
    }
};

}  // namespace

class PlaySessionTest : public QObject {
    Q_OBJECT
  private slots:
    void movesOnABoard_data() {
        QTest::addColumn<Picture>("puzzle");
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<Picture>("board");  // 'X' free, 'o' covered
        QTest::addColumn<QString>("lastDrop");
        const Picture block{"XXX", "XXX", "XXX"};
        QTest::newRow("a drop covers the cells under the element")
            << block << QStringList{"V 0,0"} << Picture{"ooo", "oXX", "oXX"} << "placed";
        QTest::newRow("8 pixels past a column snaps to the next")
            << Picture{"XXXX", "XXXX", "XXXX"} << QStringList{"turn V", "turn V", "V 0,0 +8,0"}
            << Picture{"XXXo", "XXXo", "Xooo", "...."} << "placed";
        QTest::newRow("a drop onto a covered cell goes home")
            << block << QStringList{"V 0,0", "T 0,0"} << Picture{"ooo", "oXX", "oXX"} << "home";
        QTest::newRow("a drop past the puzzle's edge goes home")
            << block << QStringList{"V 1,0"} << Picture{"XXX", "XXX", "XXX"} << "home";
        QTest::newRow("covering the last free cell solves")
            << Picture{"XXX", "X..", "X.."} << QStringList{"V 0,0"} << Picture{"ooo", "o..", "o.."}
            << "solved";
        QTest::newRow("a lifted element frees its cells")
            << block << QStringList{"V 0,0", "lift V"} << Picture{"XXX", "XXX", "XXX"} << "placed";
        QTest::newRow("lifted and dropped in place it covers them again")
            << Picture{"XXX", "X..", "X.."} << QStringList{"V 0,0", "V 0,0"}
            << Picture{"ooo", "o..", "o.."} << "solved";
        QTest::newRow("home and reset free every cell")
            << Picture{"XXXXXX", "XXXXXX", "XXXXXX"}
            << QStringList{"V 0,0", "mirror T", "T 3,0", "home V", "V 0,0", "reset"}
            << Picture{"XXXXXX", "XXXXXX", "XXXXXX", "......", "......", "......"} << "placed";
    }
    void movesOnABoard() {
        QFETCH(Picture, puzzle);
        QFETCH(QStringList, moves);
        QFETCH(Picture, board);
        QFETCH(QString, lastDrop);
        Board game(puzzle);
        QCOMPARE(game.Play(moves), lastDrop);
        QCOMPARE(AsciiRows(game.session.Puzzle()), board);
        if (moves.last().startsWith("lift")) {
            return;  // in the hand: its cells are free while it is not at home
        }
        // Between moves the covered cells are exactly those of the elements away from home.
        const ElementSet& elements = game.session.Elements();
        const auto away = std::count_if(elements.begin(), elements.end(),
                                        [](const Element& e) { return !e.IsAtHome(); });
        const std::vector<int>& cells = game.session.Puzzle().cells;
        QCOMPARE(std::count(cells.begin(), cells.end(), 2), away * kElementCells);
    }

    // Each undo gives back the cells and elements from before the move it takes back, each redo
    // those from after it; a move that changes nothing is no step, and a new move forgets what
    // was undone.
    void undoAndRedoRetraceTheMoves_data() {
        QTest::addColumn<Picture>("puzzle");
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<int>("steps");
        const Picture block{"XXX", "XXX", "XXX"};
        const Picture wide{"XXXXXX", "XXXXXX", "XXXXXX"};
        QTest::newRow("a drop") << block << QStringList{"V 0,0"} << 1;
        QTest::newRow("a turn and a mirror at home")
            << block << QStringList{"turn V", "mirror V"} << 2;
        QTest::newRow("a drop that goes home is no step") << block << QStringList{"V 1,0"} << 0;
        QTest::newRow("picked up and dropped in place is no step")
            << block << QStringList{"V 0,0", "V 0,0"} << 1;
        QTest::newRow("a placed element moved, then sent home")
            << wide << QStringList{"V 0,0", "V 3,0", "home V"} << 3;
        QTest::newRow("reset is one step")
            << wide << QStringList{"V 0,0", "mirror T", "T 3,0", "reset"} << 4;
        QTest::newRow("turned in the hand and dropped: one step")
            << block << QStringList{"V 0,0", "lift V", "turn V", "V 0,0"} << 2;
    }
    void undoAndRedoRetraceTheMoves() {
        QFETCH(Picture, puzzle);
        QFETCH(QStringList, moves);
        Board game(puzzle);
        // The boards between moves; a board that repeats the one before it took no step.
        std::vector<Snapshot> boards{game.Now()};
        for (const QString& move : moves) {
            game.Play({move});
            if (!game.holding && !(game.Now() == boards.back())) {
                boards.push_back(game.Now());
            }
        }
        QTEST(int(boards.size()) - 1, "steps");
        for (int step = int(boards.size()) - 2; step >= 0; --step) {
            game.Play({"undo"});
            QVERIFY(game.Now() == boards[step]);
        }
        QVERIFY(!game.session.CanUndo());
        for (std::size_t step = 1; step < boards.size(); ++step) {
            game.Play({"redo"});
            QVERIFY(game.Now() == boards[step]);
        }
        QVERIFY(!game.session.CanRedo());
        if (boards.size() > 1) {
            game.Play({"undo", "turn I"});
            QVERIFY(!game.session.CanRedo());
        }
    }

    void resetKeepsTheOrientationThatNextPuzzleWouldUndo() {
        Board game({"XXX", "XXX", "XXX"});
        game.Play({"turn V", "V 0,0", "reset"});
        const Element& corner = game.session.Elements()[ElementOf("V")];
        QVERIFY(corner.IsAtHome());
        QCOMPARE(corner.rotation, 1);
    }

    void solvedBoardGivesRecordsThatReplayOntoTheSameCells() {
        const Picture puzzle{"XXXX", "XXX.", "XXX."};
        Board solved(puzzle);
        QCOMPARE(solved.Play({"turn P", "P 1,0", "turn V", "turn V", "mirror V", "V 0,0"}),
                 QString("solved"));
        for (Element& element : solved.session.Elements()) {
            if (element.id != ElementOf("V") && element.id != ElementOf("P")) {
                element.excluded = 1;
            }
        }
        const auto records = solved.session.SolutionRecords();
        // Turned twice and mirrored at the puzzle's corner; an unused element has no bytes.
        const auto corner = EncodeElementRecord(records[ElementOf("V")]);
        QCOMPARE(std::vector<int>(corner.begin(), corner.end()),
                 (std::vector<int>{0x81, 0x0C, 0x00, 0x00}));
        const auto unused = EncodeElementRecord(records[ElementOf("I")]);
        QCOMPARE(std::vector<int>(unused.begin(), unused.end()), (std::vector<int>{0, 0, 0, 0}));

        Board replayed(puzzle);
        for (Element& element : replayed.session.Elements()) {
            element.excluded = records[element.id].used ? 0 : 1;
        }
        replayed.session.KeepSolution(records);
        QVERIFY(replayed.session.HasCompleteSolution());
        for (int i : {ElementOf("V"), ElementOf("P")}) {
            QVERIFY(replayed.session.PlaceAtSolution(i));
        }
        QVERIFY(replayed.session.IsSolved());
        QCOMPARE(replayed.session.SolutionRecords(), records);
    }

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
        QTemporaryDir folder;
        for (const QString& name : files) {
            WriteBytes(folder.filePath(name).toStdString(), HandFile().Cells({"XXXXX"}).Bytes());
        }
        PuzzleLibrary library;
        library.ScanDataFolder(folder.path().toStdString());
        PlaySession session(library);
        QVERIFY(!session.SwitchToPuzzle(played));
        const PuzzleRecord* before = session.CurrentRecord();
        session.RecordInserted(library.InsertSorted({"200.TLX", {}, {}}));
        QCOMPARE(session.CurrentPuzzleIndex(), position);
        QCOMPARE(session.CurrentRecord(), before);
        QVERIFY(session.LibraryNonEmpty());
    }
};

}  // namespace tessellix

QTEST_APPLESS_MAIN(tessellix::PlaySessionTest)
#include "test_play_session.moc"
