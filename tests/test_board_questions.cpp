#include <QtTest>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "model/element_set.h"
#include "solver/board_questions.h"
#include "tests/placed_picture.h"

namespace tessellix {

namespace {

// Every solution the solver enumerates, listed once per puzzle for all the rows that ask.
const std::vector<Solution>& SolutionsOf(const Board& board, const TilingSolver& solver) {
    static std::map<std::pair<Picture, QString>, std::vector<Solution>> known;
    Picture shape = board.picture;
    for (std::string& row : shape) {
        std::replace_if(
            row.begin(), row.end(), [](char c) { return c != ' '; }, '.');
    }
    const auto [entry, added] = known.try_emplace({shape, board.used});
    if (added) {
        solver.ForEachSolution([&](const Solution& solution) {
            entry->second.push_back(solution);
            return true;
        });
    }
    return entry->second;
}

// The reference: the solver's solutions that cover each placed element's cells with it.
std::uint64_t FilteredCount(const Board& board, const TilingSolver& solver,
                            const std::vector<PlacedElement>& placed) {
    std::uint64_t count = 0;
    for (const Solution& solution : SolutionsOf(board, solver)) {
        bool keeps = true;
        for (const PlacedElement& p : placed) {
            keeps = keeps &&
                    MaskOf(solver, {p.element, solution[p.element].placement}) == MaskOf(solver, p);
        }
        count += keeps ? 1 : 0;
    }
    return count;
}

const QString kAll = "ILYNVTZFWUXP";
const QString kAllButX = "ILYNVTZFWUP";
const Picture kEmptyTenBySix(6, std::string(10, '.'));
const Picture kElevenByFive(5, std::string(11, '.'));
// A solution of the 10 x 6 rectangle; the game's built-in one.
const Picture kSolved{
    "NWWYYYYPPP", "NNWWYUUUPP", "LNTWXUFUZZ", "LNTXXXFFZV", "LTTTXFFZZV", "LLIIIIIVVV",
};

}  // namespace

}  // namespace tessellix

Q_DECLARE_METATYPE(tessellix::Board)
Q_DECLARE_METATYPE(tessellix::PlacedElement)
Q_DECLARE_METATYPE(tessellix::PlacedProblem)

namespace tessellix {

class BoardQuestionsTest : public QObject {
    Q_OBJECT
  private slots:
    void completionsAreTheEnumeratedCoversThatKeepThePlacedElements_data() {
        QTest::addColumn<Board>("board");
        QTest::newRow("10 x 6, X placed") << Board{
            {"..........", "..........", "....X.....", "...XXX....", "....X.....", ".........."},
            kAll,
            "X"};
        QTest::newRow("10 x 6, X and I placed") << Board{
            {"..........", "..........", "....X.....", "...XXX....", "....X.....", "..IIIII..."},
            kAll,
            "IX"};
        QTest::newRow("10 x 6, L in the far corner") << Board{
            {"..........", "..........", ".........L", ".........L", ".........L", "........LL"},
            kAll,
            "L"};
        QTest::newRow("10 x 6, W T I wall off ten cells") << Board{
            {".WW.......", "..WW......", "..TW......", "..T.......", ".TTT......", "..IIIII..."},
            kAll,
            "WTI"};
        QTest::newRow("flag: a box of more than 64 cells")
            << Board{{"TTT......", ".T.......", ".T.......", ".........", ".........", "I        ",
                      "I        ", "I        ", "I        ", "I        "},
                     "ILYNTZFWUP",
                     "IT"};
    }
    void completionsAreTheEnumeratedCoversThatKeepThePlacedElements() {
        QFETCH(Board, board);
        BoardQuestions questions(Grid(board.picture), kGrid, Elements(board.used));
        QCOMPARE(questions.Problem(), SolverProblem::None);
        const std::vector<PlacedElement> placed = Placed(questions.Solver(), board);
        const std::uint64_t expected = FilteredCount(board, questions.Solver(), placed);
        QCOMPARE(questions.CountCompletions(placed, 0), expected);
        QCOMPARE(questions.CountCompletions(placed, 3), std::min<std::uint64_t>(expected, 4));
        QCOMPARE(questions.IsFinishable(placed), expected > 0);
    }

    void anEmptyBoardCountsDistinctSolutionsUpToTheCap() {
        BoardQuestions questions(Grid(kEmptyTenBySix), kGrid, Elements(kAll));
        const CountResult count = questions.Solver().Count();
        QCOMPARE(questions.CountCompletions({}, 0), count.distinct);
        QCOMPARE(questions.CountCompletions({}, count.distinct - 1), count.distinct);
        QCOMPARE(questions.CountCompletions({}, 1000), std::uint64_t{1001});
        QCOMPARE(questions.Check({}).ways, std::min(count.distinct, kWaysCap + 1));
    }

    void checkNamesTheFewestPlacedElementsToTakeAway_data() {
        QTest::addColumn<Board>("board");
        QTest::addColumn<QString>("takeAway");
        QTest::newRow("finishable") << Board{{"..........", "..........", "....X.....",
                                              "...XXX....", "....X.....", "..IIIII..."},
                                             kAll,
                                             "IX"}
                                    << "";
        QTest::newRow("one culprit: X walls in a corner")
            << Board{{".X........", "XXX.......", ".X........", "..........", "..........",
                      "..IIIII..."},
                     kAll,
                     "IX"}
            << "X";
        QTest::newRow("two culprits, each walling in a cell")
            << Board{{".X........", "XXX.......", ".X........", "..........", "....UUU...",
                      "....U.U..."},
                     kAll,
                     "XU"}
            << "XU";
        QTest::newRow("three culprits, named in the order placed")
            << Board{{".X.....WW.", "XXX.....WW", ".X.......W", "..........", "....UUU...",
                      "....U.U..."},
                     kAll,
                     "UXW"}
            << "UXW";
        QTest::newRow("four culprits: the last placed")
            << Board{{".X.....WW.", "XXX.....WW", ".X.......W", "..........", "PPP.UUU...",
                      ".PP.U.U..."},
                     kAll,
                     "XWPU"}
            << "U";
        QTest::newRow("a puzzle without solution: nothing to name")
            << Board{{"IIIII....."}, "IL", "I"} << "";
    }
    void checkNamesTheFewestPlacedElementsToTakeAway() {
        QFETCH(Board, board);
        QFETCH(QString, takeAway);
        BoardQuestions questions(Grid(board.picture), kGrid, Elements(board.used));
        const std::vector<PlacedElement> placed = Placed(questions.Solver(), board);
        const BoardCheck check = questions.Check(placed);
        QCOMPARE(check.finishable, FilteredCount(board, questions.Solver(), placed) > 0);
        QCOMPARE(Letters(check.takeAway), takeAway);
        const BoardHint hint = questions.HintFromHere(placed, {});
        QCOMPARE(hint.finishable, check.finishable);
        QCOMPARE(Letters(hint.takeAway), takeAway);
        QCOMPARE(hint.next.has_value(), check.finishable);
    }

    void hintFromHereLeadsToACompletion_data() {
        QTest::addColumn<Board>("board");
        QTest::addColumn<bool>("storedKeepsThePlaced");
        QTest::newRow("stored solution keeps X and I")
            << Board{{"..........", "..........", "....X.....", "...XXX....", "....X.....",
                      "..IIIII..."},
                     kAll,
                     "XI"}
            << true;
        QTest::newRow("stored solution has I elsewhere")
            << Board{{"..........", "..........", "....X.....", "...XXX....", "....X.....",
                      "IIIII....."},
                     kAll,
                     "XI"}
            << false;
        QTest::newRow("nothing placed") << Board{kEmptyTenBySix, kAll, ""} << true;
    }
    void hintFromHereLeadsToACompletion() {
        QFETCH(Board, board);
        QFETCH(bool, storedKeepsThePlaced);
        BoardQuestions questions(Grid(board.picture), kGrid, Elements(board.used));
        std::array<Placement, kElementRecordCount> stored;
        for (QChar letter : kAll) {
            stored[ElementOf(letter)] = PlacedFrom(questions.Solver(), kSolved, letter).placement;
        }
        std::vector<PlacedElement> placed = Placed(questions.Solver(), board);
        const BoardHint hint = questions.HintFromHere(placed, stored);
        QVERIFY(hint.finishable);
        QVERIFY(hint.next.has_value());
        QCOMPARE(hint.next->placement == stored[hint.next->element], storedKeepsThePlaced);
        placed.push_back(*hint.next);
        QCOMPARE(questions.Validate(placed).problem, PlacedProblem::None);
        QVERIFY(questions.IsFinishable(placed));
    }

    void aSolvedBoardHasOneWayAndNoHint() {
        const Board board{kSolved, kAll, kAll};
        BoardQuestions questions(Grid(board.picture), kGrid, Elements(board.used));
        const std::vector<PlacedElement> placed = Placed(questions.Solver(), board);
        QCOMPARE(questions.Check(placed).ways, std::uint64_t{1});
        const BoardHint hint = questions.HintFromHere(placed, {});
        QVERIFY(hint.finishable);
        QVERIFY(!hint.next.has_value());
    }

    void aListThatIsNoBoardIsRefused_data() {
        QTest::addColumn<PlacedElement>("second");
        QTest::addColumn<PlacedProblem>("problem");
        const TilingSolver solver(Grid(kElevenByFive), kGrid, Elements(kAllButX));
        QTest::newRow("element not used")
            << PlacedElement{10, {0, 0, 5, 2}} << PlacedProblem::UnusedElement;
        QTest::newRow("index beyond the set")
            << PlacedElement{12, {0, 0, 5, 2}} << PlacedProblem::UnusedElement;
        QTest::newRow("placed twice")
            << PlacedFrom(solver, {"", "", "IIIII"}, 'I') << PlacedProblem::PlacedTwice;
        QTest::newRow("rotation 4")
            << PlacedElement{1, {4, 0, 5, 2}} << PlacedProblem::BadOrientation;
        QTest::newRow("past the right edge")
            << PlacedElement{1, {0, 0, 10, 2}} << PlacedProblem::OffThePuzzle;
        QTest::newRow("above the top")
            << PlacedElement{1, {0, 0, 5, -1}} << PlacedProblem::OffThePuzzle;
        QTest::newRow("on the I") << PlacedFrom(solver, {"...L", "...LLLL"}, 'L')
                                  << PlacedProblem::Overlap;
    }
    void aListThatIsNoBoardIsRefused() {
        QFETCH(PlacedElement, second);
        QFETCH(PlacedProblem, problem);
        BoardQuestions questions(Grid(kElevenByFive), kGrid, Elements(kAllButX));
        const std::vector<PlacedElement> placed{PlacedFrom(questions.Solver(), {"IIIII"}, 'I'),
                                                second};
        QCOMPARE(questions.Validate(placed).problem, problem);
        QCOMPARE(questions.Validate(placed).element, second.element);
        QVERIFY(!questions.IsFinishable(placed));
        QVERIFY(questions.Check(placed).takeAway.empty());
    }
};

}  // namespace tessellix

QTEST_GUILESS_MAIN(tessellix::BoardQuestionsTest)
#include "test_board_questions.moc"
