// The player's mouse and keys read without a window: presses, moves, releases, double-clicks,
// right-releases, the wheel and the board's keys on small ASCII puzzles, with what each input
// answers and the board it leaves.

#include <QtTest>

#include "model/board_input.h"
#include "tests/board_picture.h"

namespace tessellix {

namespace {

// A session on the puzzle of the picture ('X' a cell), the elements of `used` (none: all
// twelve), and a player's pointer and keys on it.
struct Player {
    PuzzleLibrary noLibrary;
    PlaySession session{noLibrary};
    BoardInput input{session};
    PixelPoint pointer;
    int solves = 0;

    Player(const Picture& puzzle, const QString& used) {
        session.Puzzle().SetCells(AsciiGrid(puzzle, kGridSide));
        for (Element& element : session.Elements()) {
            element.excluded = used.isEmpty() || used.contains(kElementLetters[element.id]) ? 0 : 1;
        }
    }

    // A spot: "V" the middle of V's first cell where V is now, "V 2" of its third cell, "V @1,1"
    // of the cell (1, 1) of its box, set or not; "cell 4,2" of the puzzle's cell (4, 2);
    // "70,40" a canvas pixel.
    PixelPoint Spot(const QStringList& words) const {
        const QStringList numbers = words.last().mid(words.last().startsWith('@')).split(',');
        const PixelPoint given{numbers.value(0).toInt(), numbers.value(1).toInt()};
        if (words[0] == "cell") {
            return {session.Puzzle().x + given.x * kCellSize + 7,
                    session.Puzzle().y + given.y * kCellSize + 7};
        }
        if (!words[0][0].isLetter()) {
            return given;
        }
        const Element& element = session.Elements()[ElementOf(words[0][0])];
        PixelPoint cell = given;
        if (!words.last().startsWith('@')) {
            const ElementOrientation& o =
                OrientationTable::Standard().State(element.id, element.orientation);
            const int number = words.size() > 1 ? words[1].toInt() : 0;
            cell = {o.cellColumns[number], o.cellRows[number]};
        }
        return {element.x + cell.x * kCellSize + 7, element.y + cell.y * kCellSize + 7};
    }

    // Where the pointer brings the held element's corner onto "C,R", a grid point of the
    // puzzle, or "@X,Y", a canvas pixel, and "+dx,dy" pixels off it.
    PixelPoint Carried(const QStringList& words) const {
        const bool pixel = words[0].startsWith('@');
        const QStringList at = words[0].mid(pixel).split(',');
        const QString by = words.value(1, "+0,0");
        const QStringList off = by.mid(by.startsWith('+')).split(',');
        const Hand& hand = session.PlayerHand();
        const int x = at[0].toInt() * (pixel ? 1 : kCellSize) + (pixel ? 0 : session.Puzzle().x);
        const int y = at[1].toInt() * (pixel ? 1 : kCellSize) + (pixel ? 0 : session.Puzzle().y);
        return {x + hand.grab.x + off[0].toInt(), y + hand.grab.y + off[1].toInt()};
    }

    // The mouse: "press SPOT", "move SPOT", "by dx,dy", "carry C,R [+dx,dy]" (see Carried),
    // "release" where the pointer is, "click SPOT", "double SPOT" (press, release,
    // double-click, release), "right SPOT" (a right-release), "drag V C,R [+dx,dy]" (press on
    // V's first cell, carry, release), "wheel" and "wheel -". The keys: "tab", "backtab",
    // "left", "right", "up", "down", "space", "shift space", "return", "escape", "delete", and
    // the jumps "jump" (Ctrl+Right) and "back" (Ctrl+Left).
    // Answers what the last move's inputs answered, those that did anything, joined by "; ".
    QString Play(const QStringList& moves) {
        QStringList answers;
        for (const QString& move : moves) {
            answers.clear();
            QStringList words = move.split(' ');
            const QString verb = words.takeFirst();
            const auto answer = [&](const InputOutcome& outcome) {
                solves += outcome.solved ? 1 : 0;
                if (const QString said = Said(outcome); !said.isEmpty()) {
                    answers << said;
                }
            };
            if (verb == "press" || verb == "click" || verb == "double" || verb == "drag") {
                pointer = Spot(verb == "drag" ? QStringList{words[0]} : words);
                answer(input.LeftPressed(pointer));
            }
            if (verb == "double") {
                answer(input.LeftReleased(pointer));
                answer(input.LeftDoubleClicked(pointer));
            }
            if (verb == "move" || verb == "by" || verb == "carry" || verb == "drag") {
                const QStringList by = words.value(0).split(',');
                pointer = verb == "move" ? Spot(words)
                          : verb == "by"
                              ? PixelPoint{pointer.x + by[0].toInt(), pointer.y + by[1].toInt()}
                          : verb == "carry" ? Carried(words)
                                            : Carried(words.mid(1));
                answer(input.PointerMoved(pointer));
            }
            if (verb == "release" || verb == "click" || verb == "double" || verb == "drag") {
                answer(input.LeftReleased(pointer));
            } else if (verb == "right" && !words.isEmpty()) {
                pointer = Spot(words);
                answer(input.RightReleased(pointer));
            } else if (verb == "wheel") {
                answer(input.WheelTurned(words.isEmpty() ? 120 : -120));
            } else if (verb == "jump" || verb == "back") {
                answer(input.PlaceJumped(verb == "jump" ? 1 : -1));
            } else if (const std::optional<BoardKey> key = KeyOf(move)) {
                answer(input.KeyPressed(*key));
            }
        }
        return answers.join("; ");
    }

    static std::optional<BoardKey> KeyOf(const QString& name) {
        // In the order of BoardKey.
        static const QStringList kKeys{"tab",   "backtab",     "left",   "right",  "up",    "down",
                                       "space", "shift space", "return", "escape", "delete"};
        const int index = kKeys.indexOf(name);
        return index < 0 ? std::nullopt : std::optional(static_cast<BoardKey>(index));
    }

    // "V lifted, grab", "V placed, solved, let go", "refused".
    static QString Said(const InputOutcome& outcome) {
        static const char* const kKinds[] = {"chosen",   "lifted", "moved",     "turned",
                                             "mirrored", "placed", "went home", "sent home"};
        QStringList said;
        for (const InputOutcome::Change& change : outcome.changes) {
            said << QString("%1 %2")
                        .arg(kElementLetters[change.element])
                        .arg(kKinds[static_cast<int>(change.kind)]);
        }
        if (outcome.solved) {
            said << "solved";
        }
        if (outcome.mouse != InputOutcome::Mouse::Keep) {
            said << (outcome.mouse == InputOutcome::Mouse::Grab ? "grab" : "let go");
        }
        if (outcome.refused) {
            said << "refused";
        }
        return said.join(", ");
    }

    // The letter of the held element, "" for none.
    QString Held() const {
        const int held = session.PlayerHand().held;
        return held < 0 ? QString() : QString(kElementLetters[held]);
    }
};

// Every corner "C,R" in reading order where the element's five cells lie on cells of the
// picture, found without the game's own fitting.
QStringList PlacesByScan(const Picture& picture, int element, int orientation) {
    const ElementOrientation& o = OrientationTable::Standard().State(element, orientation);
    QStringList places;
    for (std::size_t row = 0; row < picture.size(); ++row) {
        for (std::size_t column = 0; column < picture[row].size(); ++column) {
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

// The rows, without the rows of '.' at the bottom that the square matrix adds.
QStringList Trimmed(Picture picture) {
    while (!picture.empty() && picture.back().find_first_not_of('.') == std::string::npos) {
        picture.pop_back();
    }
    QStringList rows;
    for (const std::string& row : picture) {
        rows << QString::fromStdString(row);
    }
    return rows;
}

}  // namespace

class BoardInputTest : public QObject {
    Q_OBJECT
  private slots:
    void inputsOnABoard_data() {
        QTest::addColumn<Picture>("puzzle");
        QTest::addColumn<QString>("used");  // letters; none: all twelve
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<QString>("answer");  // of the last move
        QTest::addColumn<int>("solves");      // answers that said solved
        QTest::addColumn<Picture>("board");   // letters on covered cells, 'X' free
        QTest::addColumn<QString>("orientations");
        QTest::addColumn<QString>("held");
        const Picture square(5, "XXXXX");
        const Picture block(3, "XXX");
        const Picture p{"X..", "XX.", "XX."};
        const Picture vAt11{"XXXXX", "XVVVX", "XVXXX", "XVXXX", "XXXXX"};
        const QString dropped = "V lifted, grab; V moved; V placed, let go";
        const QString wentHome = "V lifted, grab; V moved; V went home, let go";
        for (const char* spot : {"70,40", "50,158", "200,300", "35,35"}) {
            QTest::addRow("a press on an empty spot changes nothing: %s", spot)
                << square << "" << QStringList{QString("press ") + spot, "by 40,40", "release"}
                << "" << 0 << square << "V0"
                << "";
        }
        QTest::newRow("7 right snaps left")
            << square << "" << QStringList{"drag V 1,1 +7,0"} << dropped << 0 << vAt11 << "V0"
            << "";
        QTest::newRow("8 right snaps right")
            << square << "" << QStringList{"drag V 1,1 +8,0"} << dropped << 0
            << Picture{"XXXXX", "XXVVV", "XXVXX", "XXVXX", "XXXXX"} << "V0"
            << "";
        QTest::newRow("7 below snaps up")
            << square << "" << QStringList{"drag V 1,1 +0,7"} << dropped << 0 << vAt11 << "V0"
            << "";
        QTest::newRow("8 below snaps down")
            << square << "" << QStringList{"drag V 1,1 +0,8"} << dropped << 0
            << Picture{"XXXXX", "XXXXX", "XVVVX", "XVXXX", "XVXXX"} << "V0"
            << "";
        QTest::newRow("7 left snaps right")
            << square << "" << QStringList{"drag V 1,1 -7,0"} << dropped << 0 << vAt11 << "V0"
            << "";
        QTest::newRow("8 left snaps left")
            << square << "" << QStringList{"drag V 1,1 -8,0"} << dropped << 0
            << Picture{"XXXXX", "VVVXX", "VXXXX", "VXXXX", "XXXXX"} << "V0"
            << "";
        for (const char* corner : {"3,0", "0,3", "@130,300", "@-100,-80"}) {
            QTest::addRow("a drop with its corner at %s goes home", corner)
                << square << "" << QStringList{QString("drag V ") + corner} << wentHome << 0
                << square << "V0"
                << "";
        }
        QTest::newRow("a drop onto a covered cell goes home")
            << block << "" << QStringList{"drag V 0,0", "drag T 0,0"}
            << "T lifted, grab; T moved; T went home, let go" << 0 << Picture{"VVV", "VXX", "VXX"}
            << "V0 T0"
            << "";
        QTest::newRow("a click turns an element at home")
            << square << "" << QStringList{"click W"}
            << "W lifted, grab; W went home, W turned, let go" << 0 << square << "W1"
            << "";
        QTest::newRow("four clicks bring it back to its start")
            << square << "" << QStringList{"click W", "click W", "click W", "click W"}
            << "W lifted, grab; W went home, W turned, let go" << 0 << square << "W0"
            << "";
        QTest::newRow("a click inside the box but off the cells still turns")
            << square << "" << QStringList{"click V @1,1"} << "V turned" << 0 << square << "V1"
            << "";
        QTest::newRow("a right-click mirrors at home")
            << square << "" << QStringList{"right L"} << "L mirrored" << 0 << square << "L4"
            << "";
        QTest::newRow("a right double-click mirrors on each of its releases")
            << square << "" << QStringList{"right L", "right L"} << "L mirrored" << 0 << square
            << "L0"
            << "";
        QTest::newRow("a right-click on a placed element does nothing")
            << square << "" << QStringList{"drag Z 0,0", "right Z"} << "" << 0
            << Picture{"ZZXXX", "XZXXX", "XZZXX", "XXXXX", "XXXXX"} << "Z0"
            << "";
        QTest::newRow("a click on a placed element keeps it in place")
            << square << "" << QStringList{"drag F 1,1", "click F"}
            << "F lifted, grab; F placed, let go" << 0
            << Picture{"XXXXX", "XFFXX", "XXFFX", "XXFXX", "XXXXX"} << "F0"
            << "";
        QTest::newRow("a double-click sends a placed element home")
            << square << "" << QStringList{"drag I 0,0", "drag P 1,0", "double cell 0,2"}
            << "I lifted, grab; I placed, let go; I sent home" << 0
            << Picture{"XPXXX", "XPPXX", "XPPXX", "XXXXX", "XXXXX"} << "I0 P0"
            << "";
        QTest::newRow("a double-click on an element at home turns it twice")
            << square << "" << QStringList{"double U"}
            << "U lifted, grab; U went home, U turned, let go; U lifted, grab; U went home, U "
               "turned, let go"
            << 0 << square << "U2"
            << "";
        QTest::newRow("an unused element is not picked or mirrored")
            << square << "V" << QStringList{"press T", "move cell 0,0", "release", "right T"} << ""
            << 0 << square << "T0"
            << "";
        QTest::newRow("covering the last free cell solves")
            << Picture{"XXX", "X..", "X.."} << "" << QStringList{"drag V 0,0"}
            << "V lifted, grab; V moved; V placed, solved, let go" << 1
            << Picture{"VVV", "V..", "V.."} << "V0"
            << "";
        QTest::newRow("a press while still dragging is ignored")
            << square << "" << QStringList{"press I", "carry 0,0", "press T"} << "" << 0 << square
            << "I0 T0"
            << "I";
        QTest::newRow("the next release ends that drag")
            << square << "" << QStringList{"press I", "carry 0,0", "press T", "release"}
            << "I placed, let go" << 0 << Picture{"IXXXX", "IXXXX", "IXXXX", "IXXXX", "IXXXX"}
            << "I0 T0"
            << "";
        QTest::newRow("Backtab chooses the last used element, Tab goes round the used ones")
            << p << "PV" << QStringList{"backtab", "tab", "tab"} << "P chosen" << 0 << p << "P0"
            << "";
        QTest::newRow("Shift+Space mirrors the chosen element at home, Space turns it")
            << p << "P" << QStringList{"tab", "shift space", "space"} << "P turned" << 0 << p
            << "P5"
            << "";
        QTest::newRow("an arrow lifts the chosen element onto the puzzle")
            << p << "P" << QStringList{"tab", "left"} << "P lifted, P moved" << 0 << p << "P0"
            << "P";
        QTest::newRow("Escape sends the held element home")
            << p << "P" << QStringList{"tab", "left", "escape"} << "P sent home" << 0 << p << "P0"
            << "";
        QTest::newRow("Return drops it, Delete sends the placed element home")
            << p << "P" << QStringList{"tab", "up", "return", "delete"} << "P sent home" << 1 << p
            << "P0"
            << "";
        QTest::newRow("while the mouse holds, the keys are refused")
            << p << "P" << QStringList{"press P", "tab", "left"} << "refused" << 0 << p << "P0"
            << "P";
        QTest::newRow("while the mouse holds, Space turns what it holds")
            << p << "P" << QStringList{"press P", "space"} << "P turned" << 0 << p << "P1"
            << "P";
        QTest::newRow("a press drops what the keys hold first")
            << square << "" << QStringList{"tab", "down", "press V"} << "I placed, V lifted, grab"
            << 0 << Picture{"IXXXX", "IXXXX", "IXXXX", "IXXXX", "IXXXX"} << "I0 V0"
            << "V";
        QTest::newRow("a press whose drop of the keys' hold solves picks nothing")
            << p << "P" << QStringList{"tab", "down", "press cell 0,0"} << "P placed, solved" << 1
            << Picture{"P..", "PP.", "PP."} << "P0"
            << "";
        QTest::newRow("a right-release drops what the keys hold, then mirrors")
            << square << "" << QStringList{"tab", "down", "right L"} << "I placed, L mirrored" << 0
            << Picture{"IXXXX", "IXXXX", "IXXXX", "IXXXX", "IXXXX"} << "I0 L4"
            << "";
        const Picture wide(3, "XXXXXXX");
        const QStringList lying{"tab", "space"};
        QTest::newRow("a jump with none chosen chooses as Tab first")
            << square << "I" << QStringList{"jump"} << "I chosen, I lifted, I moved" << 0 << square
            << "I0"
            << "I";
        QTest::newRow("after an arrow, a jump goes to the next place")
            << wide << "I" << lying + QStringList{"right", "right", "jump", "return"} << "I placed"
            << 0 << Picture{"XXIIIII", "XXXXXXX", "XXXXXXX"} << "I1"
            << "";
        QTest::newRow("below the puzzle, round to the first place")
            << wide << "I" << lying + QStringList{"right", "down", "down", "down", "jump", "return"}
            << "I placed" << 0 << Picture{"IIIIIXX", "XXXXXXX", "XXXXXXX"} << "I1"
            << "";
        QTest::newRow("a placed element leaves its own place for the next")
            << wide << "I" << lying + QStringList{"right", "return", "jump", "return"} << "I placed"
            << 0 << Picture{"XIIIIIX", "XXXXXXX", "XXXXXXX"} << "I1"
            << "";
        QTest::newRow("pushed off the grid against the board's edge, back to the last place")
            << Picture(2, "XXXXXX") << "I"
            << lying + QStringList{"right"} + QStringList(20, "left") +
                   QStringList{"back", "return"}
            << "I placed" << 0 << Picture{"XXXXXX", "XIIIII"} << "I1"
            << "";
        QTest::newRow("fitting nowhere, a jump moves nothing")
            << wide << "I" << QStringList{"tab", "jump"} << "" << 0 << wide << "I0"
            << "";
        QTest::newRow("while the mouse holds, a jump is refused")
            << p << "P" << QStringList{"press P", "jump"} << "refused" << 0 << p << "P0"
            << "P";
    }
    void inputsOnABoard() {
        QFETCH(Picture, puzzle);
        QFETCH(QString, used);
        QFETCH(QStringList, moves);
        QFETCH(Picture, board);
        QFETCH(QString, orientations);
        Player player(puzzle, used);
        QTEST(player.Play(moves), "answer");
        QTEST(player.solves, "solves");
        QCOMPARE(Trimmed(BoardPicture(player.session)), Trimmed(board));
        QString letters;
        for (const QString& shown : orientations.split(' ')) {
            letters += shown[0];
        }
        QCOMPARE(Orientations(player.session, letters), orientations);
        QTEST(player.Held(), "held");
    }

    // From home, jumps visit every place where the element fits in its turn, as a scan of the
    // picture finds them, in reading order or its reverse, and then the first one again.
    void jumpsVisitEveryPlaceAndWrap_data() {
        QTest::addColumn<Picture>("puzzle");  // with a cell in its first row and first column
        QTest::addColumn<QString>("element");
        QTest::addColumn<QStringList>("turns");  // at home
        QTest::addColumn<QString>("jump");
        const Picture holed{"XXXXX", "XX.XX", "XXXXX", "XXXXX"};
        for (const char* jump : {"jump", "back"}) {
            QTest::addRow("I lying in a rectangle, %s", jump)
                << Picture(3, "XXXXX") << "I" << QStringList{"space"} << jump;
            QTest::addRow("L round a hole, %s", jump) << holed << "L" << QStringList{} << jump;
            QTest::addRow("P mirrored and turned round a hole, %s", jump)
                << holed << "P" << QStringList{"shift space", "space", "space"} << jump;
            QTest::addRow("X in a plus, %s", jump)
                << Picture{".XXX.", "XXXXX", "XXXXX", ".XXX."} << "X" << QStringList{} << jump;
        }
    }
    void jumpsVisitEveryPlaceAndWrap() {
        QFETCH(Picture, puzzle);
        QFETCH(QString, element);
        QFETCH(QStringList, turns);
        QFETCH(QString, jump);
        Player player(puzzle, element);
        player.Play(QStringList{"tab"} + turns);
        const Element& shape = player.session.Elements()[ElementOf(element[0])];
        QStringList expected = PlacesByScan(puzzle, shape.id, shape.orientation);
        QVERIFY(expected.size() > 1);
        if (jump == "back") {
            std::reverse(expected.begin(), expected.end());
        }
        expected << expected.first();
        QStringList visited;
        for (qsizetype place = 0; place < expected.size(); ++place) {
            QVERIFY(player.Play({jump}).endsWith(element + " moved"));
            visited << QString("%1,%2")
                           .arg((shape.x - player.session.Puzzle().x) / kCellSize)
                           .arg((shape.y - player.session.Puzzle().y) / kCellSize);
        }
        QCOMPARE(visited, expected);
    }

    // An element pressed and not yet moved rests at home, so a right-release mirrors it in its
    // box. The pointer keeps its place over the box, the next move carries the element on from
    // there, and the mirror joins the step that the hand's drop closes.
    void rightReleaseMirrorsThePressedElementAtHome_data() {
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("orientation");
        QTest::addColumn<QString>("where");  // "+dx,dy" off its home, or "placed"
        QTest::addColumn<int>("steps");      // once the hand is empty
        QTest::newRow("mirrored in the hand")
            << QStringList{"press L 2", "right L 2"} << "L mirrored"
            << "L4"
            << "+0,0" << 1;
        QTest::newRow("carried on by the pointer's offset")
            << QStringList{"press L 2", "right L 2", "by 40,30"} << "L moved"
            << "L4"
            << "+40,30" << 1;
        QTest::newRow("released where pressed: home, then turned by the click")
            << QStringList{"press L 2", "right L 2", "release"} << "L went home, L turned, let go"
            << "L5"
            << "+0,0" << 2;
        QTest::newRow("dropped mirrored onto the puzzle in one step")
            << QStringList{"press L 2", "right L 2", "carry 0,0", "release"} << "L placed, let go"
            << "L4"
            << "placed" << 1;
        QTest::newRow("once moved it is no longer at home")
            << QStringList{"press L 2", "by 1,0", "right L 2"} << ""
            << "L0"
            << "+1,0" << 0;
    }
    void rightReleaseMirrorsThePressedElementAtHome() {
        QFETCH(QStringList, moves);
        Player player({"XX", "XX", "XX", "XX"}, "");
        QTEST(player.Play(moves), "answer");
        QTEST(Orientations(player.session, "L"), "orientation");
        const Element& l = player.session.Elements()[ElementOf('L')];
        const QString off = QString("+%1,%2").arg(l.x - l.homeX).arg(l.y - l.homeY);
        QTEST(player.session.State()[l.id].placed ? "placed" : off, "where");
        if (player.session.Holding()) {
            const Hand& hand = player.session.PlayerHand();
            QVERIFY(PixelPoint(l.x + hand.grab.x, l.y + hand.grab.y) == player.pointer);
            player.session.PutHeldHome();
        }
        int steps = 0;
        for (; player.session.Undo(); ++steps) {
        }
        QTEST(steps, "steps");
        QCOMPARE(Orientations(player.session, "L"), QString("L0"));
    }
};

}  // namespace tessellix

QTEST_APPLESS_MAIN(tessellix::BoardInputTest)
#include "test_board_input.moc"
