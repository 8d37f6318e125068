// The rules of the board without any window: the calls that the mouse and the keys make, played
// on small ASCII puzzles, with the cells, the orientations and the undo history they leave.

#include <QtTest>
#include <map>
#include <set>

#include "library/puzzle_file.h"
#include "model/orientation_table.h"
#include "model/play_session.h"
#include "model/solve_outcome.h"
#include "play/board_aids.h"
#include "tests/ascii_grid.h"
#include "tests/board_picture.h"
#include "tests/puzzle_bytes.h"

namespace tessellix {

namespace {

// A session on the puzzle of the picture ('X' a cell), every element used, and a player who
// makes its moves with the calls of the mouse and the keys.
struct Board {
    PuzzleLibrary noLibrary;
    PlaySession session{noLibrary};
    BoardAids aids{session};
    bool showMistakes = false;

    // On the library's first puzzle, or the built-in one.
    explicit Board(PuzzleLibrary& library) : session(library) {}
    // used: the letters of the elements the puzzle uses; none: all twelve.
    Board(const Picture& puzzle, const QString& used) {
        session.Puzzle().SetCells(AsciiGrid(puzzle, kGridSide));
        for (Element& element : session.Elements()) {
            element.excluded = used.isEmpty() || used.contains(kElementLetters[element.id]) ? 0 : 1;
        }
    }

    // Where the pointer is over the puzzle's cell (column, row), a few pixels into it.
    PixelPoint OverCell(int column, int row) const {
        return {session.Puzzle().x + column * kCellSize + 7,
                session.Puzzle().y + row * kCellSize + 7};
    }

    // The mouse: "V 1,0" drags V by its first cell so that its corner lands on grid point
    // (1, 0), "V 1,0 +8,-3" a few pixels off it; "hold V 2" takes V by its third cell, "to 4,1"
    // brings that cell over the puzzle's cell (4, 1), "wheel" and "wheel -" turn it a notch,
    // "drop" lets it go; "turn V" and "mirror V" click and right-click V at home; "home V"
    // double-clicks a placed V. The keys: "tab", "backtab", "left", "right", "up", "down",
    // "space", "shift space", "return", "escape". The commands: "reset", "hint" (orientations),
    // "hint 3" (three on the puzzle), "undo", "redo"; the aids: "check", "hint here", and
    // "mistakes" to have each later drop checked. Returns how the last drop or the last aid ended.
    QString Play(const QStringList& moves) {
        QString outcome;
        for (const QString& move : moves) {
            const QStringList words = move.split(' ');
            const QString& verb = words[0];
            if (verb == "reset") {
                session.ResetBoard();
            } else if (verb == "check") {
                outcome = Answer(aids.Check());
            } else if (move == "hint here") {
                const BoardHint hint = aids.HintFromHere();
                outcome = !hint.finishable ? Answer({false, 0, hint.takeAway})
                          : hint.next ? QString("placed ") + kElementLetters[hint.next->element]
                                      : "nothing to place";
            } else if (verb == "mistakes") {
                showMistakes = true;
            } else if (verb == "hint") {
                session.ShowHint(words.size() > 1 ? 1 : 0, words.size() > 1 ? words[1].toInt() : 0);
            } else if (verb == "undo" || verb == "redo") {
                if (!(verb == "undo" ? session.Undo() : session.Redo())) {
                    return "nothing to " + verb;
                }
            } else if (verb == "turn" || verb == "mirror") {
                session.TransformAtHome(ElementOf(words[1][0]),
                                        verb == "turn" ? TurnClockwise : Mirror);
            } else if (verb == "home") {
                session.SendHome(ElementOf(words[1][0]));
            } else if (verb == "hold") {
                Hold(ElementOf(words[1][0]), words.size() > 2 ? words[2].toInt() : 0);
            } else if (verb == "to") {
                const QStringList cell = words[1].split(',');
                session.MoveHeldTo(OverCell(cell[0].toInt(), cell[1].toInt()));
            } else if (verb == "wheel") {
                session.WheelTurned(words.size() > 1 ? -120 : 120);
            } else if (verb == "drop") {
                outcome = Outcome(session.Drop());
                CheckDrop();
            } else if (verb.size() == 1 && verb[0].isUpper()) {
                outcome = Drag(ElementOf(verb[0]), words[1], words.size() > 2 ? words[2] : "+0,0");
                CheckDrop();
            } else {
                outcome = Key(move, outcome);
                if (move == "return") {
                    CheckDrop();
                }
            }
        }
        return outcome;
    }

    void CheckDrop() {
        if (showMistakes) {
            aids.MarkIfMistake();
        }
    }

    // "2 ways", or "take away U, P".
    static QString Answer(const BoardCheck& check) {
        if (check.finishable) {
            return QString("%1 way%2").arg(check.ways).arg(check.ways == 1 ? "" : "s");
        }
        return "take away " + Letters(check.takeAway).join(", ");
    }
    static QStringList Letters(const std::vector<int>& elements) {
        QStringList letters;
        for (const int element : elements) {
            letters << QString(kElementLetters[element]);
        }
        return letters;
    }

    // Lays the elements of the picture ('X' a free cell, a letter an element's cell) with the
    // calls of the mouse: turned at home until their cells match, then dragged into place, in
    // the order in which their letters first appear row by row.
    void Lay(const Picture& picture) {
        std::map<char, std::set<std::pair<int, int>>> cellsOf;
        QString order;
        for (int row = 0; row < int(picture.size()); ++row) {
            for (int column = 0; column < int(picture[row].size()); ++column) {
                const char letter = picture[row][column];
                if (letter != 'X' && letter != '.') {
                    order += order.contains(letter) ? "" : QString(letter);
                    cellsOf[letter].insert({row, column});
                }
            }
        }
        for (const QChar letter : order) {
            const int index = ElementOf(letter);
            const auto& cells = cellsOf[letter.toLatin1()];
            const auto [top, left] =
                std::pair(std::min_element(cells.begin(), cells.end())->first,
                          std::min_element(cells.begin(), cells.end(), [](auto a, auto b) {
                              return a.second < b.second;
                          })->second);
            const auto matches = [&] {
                const ElementOrientation& o = OrientationTable::Standard().State(
                    index, session.Elements()[index].orientation);
                std::set<std::pair<int, int>> laid;
                for (int k = 0; k < kElementCells; ++k) {
                    laid.insert({top + o.cellRows[k], left + o.cellColumns[k]});
                }
                return laid == cells;
            };
            for (int tried = 0; tried < kOrientationCount && !matches(); ++tried) {
                session.TransformAtHome(index, tried == 3 ? Mirror : TurnClockwise);
            }
            QVERIFY2(matches(), qPrintable(QString("no orientation of ") + letter));
            QVERIFY(Drag(index, QString("%1,%2").arg(left).arg(top), "+0,0") != "home");
        }
    }

    // Stores the solution of the picture as the elements' stored placements.
    void Store(const Picture& solution) {
        Picture cells = solution;
        for (std::string& row : cells) {
            std::replace_if(
                row.begin(), row.end(), [](char c) { return c != '.'; }, 'X');
        }
        Board solved(cells, "");
        solved.Lay(solution);
        const BoardState state = solved.session.State();
        for (int i = 0; i < ElementSet::kCount; ++i) {
            if (state[i].placed) {
                session.Elements()[i].SetStoredSolution(
                    {RotationOf(state[i].orientation), MirroredOf(state[i].orientation),
                     state[i].placed->column, state[i].placed->row});
            }
        }
    }

    void Hold(int index, int cellNumber) {
        const Element& element = session.Elements()[index];
        const ElementOrientation& cells =
            OrientationTable::Standard().State(index, element.orientation);
        session.Lift(index, PixelPoint{element.x + cells.cellColumns[cellNumber] * kCellSize + 7,
                                       element.y + cells.cellRows[cellNumber] * kCellSize + 7});
    }

    QString Drag(int index, const QString& gridPoint, const QString& offset) {
        Hold(index, 0);
        const QStringList grid = gridPoint.split(',');
        const QStringList shift = offset.mid(1).split(',');
        const Hand& hand = session.PlayerHand();
        session.MoveHeldTo(
            {session.Puzzle().x + grid[0].toInt() * kCellSize + hand.grab.x + shift[0].toInt(),
             session.Puzzle().y + grid[1].toInt() * kCellSize + hand.grab.y + shift[1].toInt()});
        return Outcome(session.Drop());
    }

    QString Key(const QString& key, const QString& outcome) {
        if (key == "tab" || key == "backtab") {
            session.Choose(key == "tab" ? 1 : -1);
        } else if (key == "space" || key == "shift space") {
            session.TransformChosen(key == "space" ? TurnClockwise : Mirror);
        } else if (key == "return") {
            const auto result = session.DropChosen();
            return result ? Outcome(*result) : outcome;
        } else if (key == "escape") {
            session.SendChosenHome();
        } else {
            static const QMap<QString, QPoint> arrows{
                {"left", {-1, 0}}, {"right", {1, 0}}, {"up", {0, -1}}, {"down", {0, 1}}};
            if (!arrows.contains(key)) {
                return "no such move: " + key;
            }
            session.MoveChosen(arrows[key].x(), arrows[key].y());
        }
        return outcome;
    }

    static QString Outcome(PlaySession::DropResult result) {
        switch (result) {
            case PlaySession::DropResult::WentHome:
                return "home";
            case PlaySession::DropResult::Placed:
                return "placed";
            case PlaySession::DropResult::Solved:
                return "solved";
        }
        return {};
    }

    Picture Cells() const { return BoardPicture(session); }
    QString Orientations(const QString& letters) const {
        return tessellix::Orientations(session, letters);
    }

    // Undoes every step, counting them, and redoes them all again.
    int Steps() {
        int steps = 0;
        while (session.Undo()) {
            ++steps;
        }
        while (session.Redo()) {
        }
        return steps;
    }
};

}  // namespace

class PlaySessionTest : public QObject {
    Q_OBJECT
  private slots:
    void movesOnABoard_data() {
        QTest::addColumn<Picture>("puzzle");
        QTest::addColumn<QString>("used");  // letters; none: all twelve
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<QString>("lastDrop");
        QTest::addColumn<Picture>("board");         // letters on covered cells, 'X' free
        QTest::addColumn<QString>("orientations");  // of the elements named
        QTest::addColumn<int>("steps");             // in the undo history
        const Picture block{"XXX", "XXX", "XXX"};
        const Picture wide{"XXXXXX", "XXXXXX", "XXXXXX"};
        const Picture wideFree{"XXXXXX", "XXXXXX", "XXXXXX", "......", "......", "......"};
        const Picture row{"XXXXX", "XXXXX"};
        const Picture rowFree{"XXXXX", "XXXXX", ".....", ".....", "....."};
        QTest::newRow("a drop covers the cells under the element")
            << block << "" << QStringList{"V 0,0"} << "placed" << Picture{"VVV", "VXX", "VXX"}
            << "V0" << 1;
        QTest::newRow("lifted and dropped in place it is no step")
            << Picture{"XXX", "X..", "X.."} << "" << QStringList{"V 0,0", "V 0,0"} << "solved"
            << Picture{"VVV", "V..", "V.."} << "V0" << 1;
        QTest::newRow("a placed element moved, then sent home")
            << wide << "" << QStringList{"V 0,0", "V 3,0", "home V"} << "placed" << wideFree << "V0"
            << 3;
        QTest::newRow("reset is one step and keeps orientations")
            << wide << "" << QStringList{"V 0,0", "turn T", "T 3,0", "reset"} << "placed"
            << wideFree << "V0 T1" << 4;
        QTest::newRow("the wheel turns I about the cell under the pointer")
            << row << "" << QStringList{"hold I 2", "to 2,1", "wheel", "drop"} << "placed"
            << Picture{"XXXXX", "IIIII", ".....", ".....", "....."} << "I1" << 1;
        QTest::newRow("the wheel back turns L about the cell under the pointer")
            << Picture{"XXXX", "XXXX"} << "" << QStringList{"hold L 2", "to 1,0", "wheel -", "drop"}
            << "placed" << Picture{"LLLL", "LXXX", "....", "...."} << "L3" << 1;
        QTest::newRow("N turned a notch each way is where it was")
            << row << "" << QStringList{"hold N 1", "wheel", "wheel -", "drop"} << "home" << rowFree
            << "N0" << 0;
        QTest::newRow("a turn in the hand and the drop are one step")
            << block << "" << QStringList{"V 0,0", "hold V", "wheel", "to 2,0", "drop"} << "placed"
            << Picture{"VVV", "XXV", "XXV"} << "V1" << 2;
        QTest::newRow("a right-click mirrors at home while another is held")
            << block << "" << QStringList{"hold V", "mirror P", "to 0,0", "drop"} << "placed"
            << Picture{"VVV", "VXX", "VXX"} << "V0 P4" << 1;
        QTest::newRow("a turn of the pressed element at home keeps the pointer's place over it")
            << Picture{"XXXX", "XXXX"} << "" << QStringList{"hold L 3", "turn L", "to 1,0", "drop"}
            << "placed" << Picture{"XXXL", "LLLL", "....", "...."} << "L1" << 1;
        QTest::newRow("reset while holding sends the held element home in the same step")
            << wide << "" << QStringList{"V 0,0", "hold V", "to 3,0", "reset"} << "placed"
            << wideFree << "V0" << 2;
        QTest::newRow("the keys bring an element onto the puzzle's corner and drop it")
            << block << "" << QStringList{"tab", "tab", "tab", "tab", "tab", "down", "return"}
            << "placed" << Picture{"VVV", "VXX", "VXX"} << "V0" << 1;
        QTest::newRow("Space turns a placed element in the hand about its corner")
            << Picture{"XXXX", "XXXX", "XXXX", "XXXX"} << "LP"
            << QStringList{"L 0,0", "tab", "space", "return"} << "placed"
            << Picture{"XXXL", "LLLL", "XXXX", "XXXX"} << "L1" << 2;
        QTest::newRow("the keys keep an element on the board, Escape sends it home")
            << block << "" << QStringList{"tab", "down", "up", "up", "escape"} << "" << block
            << "I0" << 0;
        QTest::newRow("a hint sets elements at their stored places, one step")
            << Picture{"XXXX", "XXX.", "XXX."} << "PV" << QStringList{"V 0,0", "hint 2"} << "placed"
            << Picture{"VPPP", "VPP.", "VVV.", "...."} << "V6 P1" << 2;
    }
    void movesOnABoard() {
        QFETCH(Picture, puzzle);
        QFETCH(QString, used);
        QFETCH(QStringList, moves);
        QFETCH(Picture, board);
        QFETCH(QString, orientations);
        Board game(puzzle, used);
        // The hint's solution: V turned twice and mirrored on (0, 0), P turned once on (1, 0).
        game.session.Elements()[ElementOf('V')].SetStoredSolution({2, 1, 0, 0});
        game.session.Elements()[ElementOf('P')].SetStoredSolution({1, 0, 1, 0});
        QTEST(game.Play(moves), "lastDrop");
        QCOMPARE(game.Cells(), board);
        QString letters;
        for (const QString& shown : orientations.split(' ')) {
            letters += shown[0];
        }
        QCOMPARE(game.Orientations(letters), orientations);
        QTEST(game.Steps(), "steps");
        QCOMPARE(game.Cells(), board);
    }

    // Each undo gives back the cells and orientations from before the move it takes back, each
    // redo those from after it, and a new move forgets what was undone.
    void undoAndRedoRetraceTheMoves_data() {
        QTest::addColumn<QStringList>("moves");
        QTest::newRow("drops, turns, a move in the hand and a reset")
            << QStringList{"V 0,0",  "turn L", "mirror L", "hold V", "wheel",
                           "to 3,0", "drop",   "L 0,1",    "home V", "reset"};
        QTest::newRow("the keys and a hint")
            << QStringList{"tab", "tab", "down", "right", "return", "hint 2", "tab", "escape"};
    }
    void undoAndRedoRetraceTheMoves() {
        QFETCH(QStringList, moves);
        Board game({"XXXXXX", "XXXXXX", "XXXXXX"}, "");
        game.session.Elements()[ElementOf('I')].SetStoredSolution({1, 0, 0, 0});
        game.session.Elements()[ElementOf('L')].SetStoredSolution({1, 0, 0, 1});
        using Snapshot = std::pair<Picture, QString>;
        const auto now = [&] { return Snapshot{game.Cells(), game.Orientations("ILV")}; };
        std::vector<Snapshot> boards{now()};
        for (const QString& move : moves) {
            game.Play({move});
            if (!game.session.Holding() && now() != boards.back()) {
                boards.push_back(now());
            }
        }
        for (int step = int(boards.size()) - 2; step >= 0; --step) {
            QCOMPARE(game.Play({"undo"}), QString());
            QCOMPARE(now(), boards[step]);
        }
        QCOMPARE(game.Play({"undo"}), QString("nothing to undo"));
        for (std::size_t step = 1; step < boards.size(); ++step) {
            QCOMPARE(game.Play({"redo"}), QString());
            QCOMPARE(now(), boards[step]);
        }
        QCOMPARE(game.Play({"redo"}), QString("nothing to redo"));
    }

    // The aids on the 3 x 5 rectangle of F, P and U, which has one solution up to its symmetries,
    // four covers in all.
    void aidsAnswerFromTheBoardAsItIs_data() {
        QTest::addColumn<Picture>("laid");
        QTest::addColumn<Picture>("stored");  // the stored solution
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<Picture>("board");
        QTest::addColumn<QString>("marked");
        const Picture empty{"XXXXX", "XXXXX", "XXXXX"};
        const Picture one{"PPFUU", "PPFFU", "PFFUU"};
        const Picture turned{"UUFFP", "UFFPP", "UUFPP"};  // `one` turned half round
        // U lies across, which no cover has; with P beside it neither is of any cover.
        const Picture wrongU{"UXUXX", "UUUXX", "XXXXX"};
        const Picture wrongUP{"UXUPP", "UUUPP", "XXXPX"};
        QTest::newRow("an empty board has the puzzle's distinct solutions")
            << empty << one << QStringList{"check"} << "1 way" << empty << "";
        QTest::newRow("an element of a cover keeps that cover")
            << Picture{"PPXXX", "PPXXX", "PXXXX"} << one << QStringList{"check"} << "1 way"
            << Picture{"PPXXX", "PPXXX", "PXXXX"} << "";
        QTest::newRow("one element in the way is named and marked")
            << wrongU << one << QStringList{"check"} << "take away U" << wrongU << "U";
        QTest::newRow("two in the way are named in the order placed")
            << wrongUP << one << QStringList{"check"} << "take away U, P" << wrongUP << "U P";
        QTest::newRow("the next move clears the marks")
            << wrongUP << one << QStringList{"check", "turn F"} << "take away U, P" << wrongUP
            << "";
        QTest::newRow("a hint from here follows the stored solution")
            << empty << one << QStringList{"hint here"} << "placed P"
            << Picture{"PPXXX", "PPXXX", "PXXXX"} << "";
        QTest::newRow("and the other stored solution when that is stored")
            << empty << turned << QStringList{"hint here"} << "placed U"
            << Picture{"UUXXX", "UXXXX", "UUXXX"} << "";
        QTest::newRow("a hint from here keeps the board when the stored solution does not")
            << Picture{"XXXXP", "XXXPP", "XXXPP"} << one << QStringList{"hint here"} << "placed U"
            << Picture{"UUXXP", "UXXPP", "UUXPP"} << "";
        QTest::newRow("a hint from here on a board that cannot be finished places nothing")
            << wrongU << one << QStringList{"hint here"} << "take away U" << wrongU << "U";
        QTest::newRow("undo takes a hint from here back alone")
            << empty << one << QStringList{"hint here", "hint here", "undo"} << "placed F"
            << Picture{"PPXXX", "PPXXX", "PXXXX"} << "";
        QTest::newRow("shown mistakes: a drop that spoils the board is marked")
            << Picture{"PPXXX", "PPXXX", "PXXXX"} << one << QStringList{"mistakes", "U 2,0"}
            << "placed" << Picture{"PPUUX", "PPUXX", "PXUUX"} << "U";
        QTest::newRow("shown mistakes: a good drop is not")
            << Picture{"PPXXX", "PPXXX", "PXXXX"} << one
            << QStringList{"mistakes", "mirror U", "U 3,0"} << "placed"
            << Picture{"PPXUU", "PPXXU", "PXXUU"} << "";
    }
    void aidsAnswerFromTheBoardAsItIs() {
        QFETCH(Picture, laid);
        QFETCH(Picture, stored);
        QFETCH(QStringList, moves);
        QFETCH(QString, marked);
        const Picture empty{"XXXXX", "XXXXX", "XXXXX"};
        Board game(empty, "FPU");
        game.Store(stored);
        game.Lay(laid);
        QTEST(game.Play(moves), "answer");
        QFETCH(Picture, board);
        board.resize(5, ".....");  // the matrix is square
        QCOMPARE(game.Cells(), board);
        QCOMPARE(game.Letters(game.session.Marked()).join(' '), marked);
    }

    // Explain a step marks what its step is about: "framed" and "outlined" cells by row and
    // column from 1, "marked" elements. Boards of ten columns, every element used.
    void explainedStepMarksWhatItIsAbout_data() {
        QTest::addColumn<Picture>("laid");
        QTest::addColumn<QStringList>("moves");  // after the explanation
        QTest::addColumn<QString>("marks");
        QTest::newRow("a region: the region framed, the element to take away marked")
            << Picture{"LLXXXXXXXX", "XLXXXXXXXX", "XLXVXXXXXX",
                       "XLXVXXXXXX", "XVVVXXXXXX", "XIIIIIXXXX"}
            << QStringList{} << "framed 2,1 3,1 4,1 5,1 6,1 | outlined | marked L";
        QTest::newRow("no region shows it: Check board's marks alone")
            << Picture{"XXXXXXXXXX", "XXPPPXXXXX", "XXXPPXXLXX",
                       "XXXXXXXLXX", "XXXXXXXLXX", "XXXXXXXLLX"}
            << QStringList{} << "framed | outlined | marked L";
        QTest::newRow("a cell: the cell framed, its one placement outlined")
            << Picture{"XXXXXXXXXX", "XXXXXXXXXX", "XXXXXXXXXX",
                       "XXXXXXXXXX", "XXXXLLLLXX", "XXXXXXXLXX"}
            << QStringList{} << "framed 6,4 | outlined 6,3 6,4 6,5 6,6 6,7 | marked";
        QTest::newRow("a guess: the cell framed")
            << Picture{"NXXXXXXXXX", "NNXXXXXXXX", "XNXXXXXXXX",
                       "XNXXXXXXXX", "XXXXXXXXXX", "XXXXXXXXXX"}
            << QStringList{} << "framed 3,1 | outlined | marked";
        QTest::newRow("the next move clears them")
            << Picture{"NXXXXXXXXX", "NNXXXXXXXX", "XNXXXXXXXX",
                       "XNXXXXXXXX", "XXXXXXXXXX", "XXXXXXXXXX"}
            << QStringList{"turn P"} << "framed | outlined | marked";
        QTest::newRow("and so does undo") << Picture{"XXXXXXXXXX", "XXXXXXXXXX", "XXXXXXXXXX",
                                                     "XXXXXXXXXX", "XXXXLLLLXX", "XXXXXXXLXX"}
                                          << QStringList{"undo"} << "framed | outlined | marked";
    }
    void explainedStepMarksWhatItIsAbout() {
        QFETCH(Picture, laid);
        QFETCH(QStringList, moves);
        Board game(Picture(laid.size(), std::string(laid[0].size(), 'X')), "");
        game.Lay(laid);
        QVERIFY(game.aids.Explain());
        game.Play(moves);
        const auto places = [](const std::vector<GridCell>& cells) {
            QString shown;
            for (const GridCell& cell : cells) {
                shown += QString(" %1,%2").arg(cell.row + 1).arg(cell.column + 1);
            }
            return shown;
        };
        const StepMarks& step = game.session.StepMarked();
        QString marked;
        for (const QString& letter : game.Letters(game.session.Marked())) {
            marked += " " + letter;
        }
        QTEST("framed" + places(step.framed) + " | outlined" + places(step.outlined) + " | marked" +
                  marked,
              "marks");
    }

    // A kept board comes back whole with its clock and hint, or not at all.
    void keptBoardComesBackWholeOrNotAtAll_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<Picture>("board");
        const Picture empty{"XXXXX", "XXXXX", "XXXXX"};
        const Picture kept{"XUUFF", "XUFFX", "XUUFX"};
        QTest::newRow("a board as kept") << "95 U0@1,0 F4@2,0" << kept;
        QTest::newRow("with a hint") << "95 hint U0@1,0 F4@2,0" << kept;
        for (const char* refused : {"95 U0@4,4", "95 I0@0,0", "95 U0@1,0 F4@1,0"}) {
            QTest::newRow(refused) << refused << empty;
        }
    }
    void keptBoardComesBackWholeOrNotAtAll() {
        QFETCH(QString, line);
        QFETCH(Picture, board);
        Board game({"XXXXX", "XXXXX", "XXXXX"}, "FPU");
        board.resize(5, ".....");
        const Result<KeptBoard> kept = KeptBoard::Decode(line.toStdString());
        QVERIFY(kept);
        const bool restored = !game.session.RestoreKeptBoard(*kept);
        QCOMPARE(restored, board[0] != "XXXXX");
        QCOMPARE(game.Cells(), board);
        QVERIFY(!game.session.CanUndo());
        QCOMPARE(game.session.Clock().ElapsedSeconds(), restored ? 95 : 0);
        QCOMPARE(game.session.HintUsed(), restored && line.contains("hint"));
    }

    // Each call that leaves no free cell solves the puzzle then and there, and the clock stops;
    // the described hint covers the puzzle without solving it.
    void everyCallThatCoversTheLastCellSolves_data() {
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<bool>("solved");
        QTest::newRow("a mouse drop") << QStringList{"V 0,0"} << true;
        QTest::newRow("a key drop") << QStringList{"tab", "down", "return"} << true;
        QTest::newRow("a hint from here") << QStringList{"hint here"} << true;
        QTest::newRow("the hint on the puzzle") << QStringList{"hint 1"} << false;
    }
    void everyCallThatCoversTheLastCellSolves() {
        QFETCH(QStringList, moves);
        QFETCH(bool, solved);
        Board game({"XXX", "X..", "X.."}, "V");
        game.session.Elements()[ElementOf('V')].SetStoredSolution({0, 0, 0, 0});
        std::int64_t now = 0;
        game.session.Clock().SetTimeSource([&now] { return now; });
        game.Play(moves);
        now += 5000;
        QVERIFY(game.session.IsSolved());
        QCOMPARE(game.session.Clock().Stopped(), solved);
        QCOMPARE(game.session.Clock().ElapsedMs(), solved ? 0 : 5000);
    }

    // What the solved sequence does, on a library of the puzzle (and a second one when it is not
    // the last) whose element's stored orientation at the corner is given, -1 for none; "wait"
    // lets 7 seconds pass.
    void solvedOutcomeDecidesTheSequence_data() {
        QTest::addColumn<Picture>("puzzle");
        QTest::addColumn<int>("files");  // 0: the built-in puzzle of the picture
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<QString>("outcome");
        const Picture corner{"XXX", "X..", "X.."};
        const QStringList drop{"hold V 0", "wait", "to 0,0", "drop"};
        QTest::newRow("the built-in puzzle: nothing counted or written, a reset")
            << corner << 0 << -1 << "" << drop << "no solve, none, reset";
        QTest::newRow("no stored solution: written, then the next puzzle")
            << corner << 2 << -1 << "" << drop << "1.TLX 7s 2026-12-08, write, next";
        QTest::newRow("the stored placements: nothing asked or replaced")
            << corner << 2 << 0 << "" << drop << "1.TLX 7s 2026-12-08, same, next";
        QTest::newRow("another stored solution: asked")
            << corner << 2 << 1 << "" << drop << "1.TLX 7s 2026-12-08, ask, next";
        QTest::newRow("X turned into the same cells is the stored placement")
            << Picture{".X.", "XXX", ".X."} << 2 << 1 << ""
            << QStringList{"hold X 0", "wait", "to 1,0", "drop"}
            << "1.TLX 7s 2026-12-08, same, next";
        QTest::newRow("the last puzzle: its solved board stays")
            << corner << 1 << -1 << "" << drop << "1.TLX 7s 2026-12-08, write, stay";
        QTest::newRow("a hint from here: a solve with a hint")
            << corner << 2 << 0 << "" << QStringList{"hold V 0", "wait", "hint here"}
            << "1.TLX 7s hint 2026-12-08, same, next";
        QTest::newRow("a puzzle of the day: its date")
            << corner << 1 << -1 << "Puzzle of the day 2026-12-07" << drop
            << "1.TLX 7s 2026-12-08 daily 2026-12-07, write, stay";
    }
    void solvedOutcomeDecidesTheSequence() {
        QFETCH(Picture, puzzle);
        QFETCH(int, files);
        QFETCH(int, stored);
        QFETCH(QString, name);
        const int used = ElementOf(puzzle[0] == ".X." ? 'X' : 'V');
        QTemporaryDir folder;
        for (int file = 1; file <= files; ++file) {
            HandFile bytes;
            bytes.Cells(puzzle);
            bytes.records.fill({0, 0, 0, 0});
            bytes.records[used] = {std::uint8_t(stored < 0 ? 0x01 : 0x81),
                                   std::uint8_t(stored < 0 ? 0 : stored * 2), 0, 0};
            bytes.text = "\1" + name.toStdString();
            WriteBytes(folder.filePath(QString("%1.TLX").arg(file)).toStdString(), bytes.Bytes());
        }
        PuzzleLibrary library;
        library.ScanDataFolder(folder.path().toStdString());
        Board game(library);
        if (files == 0) {
            game.session.Puzzle().SetCells(AsciiGrid(puzzle, kGridSide));
            for (Element& element : game.session.Elements()) {
                element.excluded = element.id == used ? 0 : 1;
            }
        }
        std::int64_t now = 0;
        game.session.Clock().SetTimeSource([&now] { return now; });
        QFETCH(QStringList, moves);
        for (const QString& move : moves) {
            if (move == "wait") {
                now += 7000;
            } else {
                game.Play({move});
            }
        }
        QVERIFY(game.session.IsSolved());
        const SolveOutcome outcome = SolveOutcome::Decide(game.session, {2026, 12, 8});
        const std::optional<Solve>& solve = outcome.solve;
        const QString daily = solve && solve->dailyDate
                                  ? " daily " + QString::fromStdString(solve->dailyDate->Text())
                                  : "";
        const char* storing[] = {"none", "same", "ask", "write"};
        const char* next[] = {"next", "stay", "reset"};
        QTEST(QStringList({solve ? QString("%1 %2s%3 %4%5")
                                       .arg(QString::fromStdString(solve->fileName))
                                       .arg(solve->seconds)
                                       .arg(solve->hintUsed ? " hint" : "")
                                       .arg(QString::fromStdString(solve->date.Text()))
                                       .arg(daily)
                                 : "no solve",
                           storing[int(outcome.storing)], next[int(outcome.next)]})
                  .join(", "),
              "outcome");
        if (solve) {
            QCOMPARE(outcome.records, game.session.SolutionRecords());
        }
    }

    void solvedBoardGivesRecordsThatReplayOntoTheSameCells() {
        const Picture puzzle{"XXXX", "XXX.", "XXX."};
        Board solved(puzzle, "PV");
        QCOMPARE(solved.Play({"turn P", "P 1,0", "turn V", "turn V", "mirror V", "V 0,0"}),
                 QString("solved"));
        const auto records = solved.session.SolutionRecords();
        // Turned twice and mirrored at the puzzle's corner; an unused element has no bytes.
        const auto corner = EncodeElementRecord(records[ElementOf('V')]);
        QCOMPARE(std::vector<int>(corner.begin(), corner.end()),
                 (std::vector<int>{0x81, 0x0C, 0x00, 0x00}));
        const auto unused = EncodeElementRecord(records[ElementOf('I')]);
        QCOMPARE(std::vector<int>(unused.begin(), unused.end()), (std::vector<int>{0, 0, 0, 0}));

        Board replayed(puzzle, "PV");
        replayed.session.KeepSolution(records);
        QVERIFY(replayed.session.HasCompleteSolution());
        for (const QChar letter : QString("VP")) {
            QVERIFY(replayed.session.PlaceAtSolution(ElementOf(letter)));
        }
        QVERIFY(replayed.session.IsSolved());
        QCOMPARE(replayed.session.SolutionRecords(), records);
    }
};

}  // namespace tessellix

QTEST_APPLESS_MAIN(tessellix::PlaySessionTest)
#include "test_play_session.moc"
