#include <QtTest>

#include <atomic>
#include <bit>

#include "solver/deduction_solver.h"
#include "solver/puzzle_generator.h"
#include "tests/ascii_grid.h"

namespace tessellix {

namespace {

unsigned ElementsOf(const QString& letters) {
    unsigned mask = 0;
    for (const QChar letter : letters) {
        mask |= 1u << QString("ILYNVTZFWUXP").indexOf(letter);
    }
    return mask;
}

TilingSolver Solver(const std::vector<std::string>& picture, const QString& letters) {
    return TilingSolver(AsciiGrid(picture, kGridSide), kGridSide, ElementsOf(letters));
}

const std::vector<std::string> kThreeByFive(3, "#####");
const std::vector<std::string> kFourByFive(4, "#####");
const std::vector<std::string> kTenBySix(6, "##########");

}  // namespace

class PuzzleGeneratorTest : public QObject {
    Q_OBJECT
  private slots:
    void levelFollowsTheDeadEndsPerCover_data() {
        QTest::addColumn<int>("deadEndsPerCover");
        QTest::addColumn<int>("elements");
        QTest::addColumn<Level>("level");
        QTest::newRow("no dead end, 12 elements") << 0 << 12 << Level::Easy;
        QTest::newRow("no dead end, 3 elements") << 0 << 3 << Level::Easy;
        QTest::newRow("1 of 3 elements") << 1 << 3 << Level::Medium;
        QTest::newRow("2 of 3 elements") << 2 << 3 << Level::Hard;
        QTest::newRow("9 of 5 elements") << 9 << 5 << Level::Medium;
        QTest::newRow("10 of 5 elements") << 10 << 5 << Level::Hard;
        QTest::newRow("100 of 12 elements") << 100 << 12 << Level::Medium;
        QTest::newRow("101 of 12 elements") << 101 << 12 << Level::Hard;
    }
    void levelFollowsTheDeadEndsPerCover() {
        QFETCH(int, deadEndsPerCover);
        QFETCH(int, elements);
        QFETCH(Level, level);
        QCOMPARE(LevelOf(deadEndsPerCover, elements), level);
        QCOMPARE(LevelNamed(LevelName(level)), level);
    }

    // As the exact-cover count finds them, each arrangement apart.
    void theSearchFindsEveryCover_data() {
        QTest::addColumn<std::vector<std::string>>("picture");
        QTest::addColumn<QString>("letters");
        QTest::newRow("3 x 5, LNV") << kThreeByFive << "LNV";
        QTest::newRow("4 x 5, ILYT") << kFourByFive << "ILYT";
        QTest::newRow("4 x 5, LYTP") << kFourByFive << "LYTP";
        QTest::newRow("5 x 5, ILYVU") << std::vector<std::string>(5, "#####") << "ILYVU";
        QTest::newRow("5 x 6, LNPUVY") << std::vector<std::string>(5, "######") << "LNPUVY";
    }
    void theSearchFindsEveryCover() {
        QFETCH(std::vector<std::string>, picture);
        QFETCH(QString, letters);
        const TilingSolver solver = Solver(picture, letters);
        const DeductionMeasure measure = DeductionSolver(solver).Solve();
        QVERIFY(measure.complete);
        QVERIFY(measure.covers > 0);
        QCOMPARE(measure.covers, solver.Count().tilings);
    }

    void guessesThatAllLeadToCoversCostNothing() {
        // Each turn and mirror image of the one solution is a cover of the rectangle.
        const DeductionMeasure measure = DeductionSolver(Solver(kThreeByFive, "LNV")).Solve();
        QVERIFY(measure.guesses > 0);
        QCOMPARE(measure.deadEnds, std::uint64_t{0});
        QCOMPARE(measure.DeadEndsPerCover(), std::uint64_t{0});
    }

    void withoutCoverEveryDeadEndCounts() {
        const DeductionMeasure measure = DeductionSolver(Solver({"##########"}, "IL")).Solve();
        QCOMPARE(measure.covers, std::uint64_t{0});
        QVERIFY(measure.deadEnds > 0);
        QCOMPARE(measure.DeadEndsPerCover(), measure.deadEnds);
    }

    void limitsAndTheCallerStopTheSearch() {
        const DeductionSolver board(Solver(kTenBySix, "ILYNVTZFWUXP"));
        DeductionOptions guesses;
        guesses.maxGuesses = 500;
        const DeductionMeasure byGuesses = board.Solve(guesses);
        QVERIFY(!byGuesses.complete);
        QCOMPARE(byGuesses.guesses, std::uint64_t{500});

        DeductionOptions covers;
        covers.maxCovers = 3;
        const DeductionMeasure byCovers = board.Solve(covers);
        QVERIFY(!byCovers.complete);
        QCOMPARE(byCovers.covers, std::uint64_t{3});

        int asked = 0;
        DeductionOptions caller;
        caller.keepGoing = [&] { return ++asked < 2; };
        const DeductionMeasure byCaller = board.Solve(caller);
        QVERIFY(!byCaller.complete);
        QCOMPARE(asked, 2);
        QVERIFY(!RatePuzzle(Solver(kTenBySix, "ILYNVTZFWUXP"), [] { return false; }));
    }

    // With one cover, a guess with another option leaves a dead end behind: an easy puzzle is
    // solved by forced moves alone, one per element.
    void easyOneCoverPuzzlesNeedNoGuess() {
        for (std::uint64_t seed = 1; seed <= 5; ++seed) {
            const GeneratedPuzzle puzzle = PuzzleGenerator({0, 8, Level::Easy, seed}).Generate();
            QCOMPARE(puzzle.status, GeneratorStatus::Generated);
            QCOMPARE(puzzle.rating.measure.guesses, std::uint64_t{0});
            QCOMPARE(puzzle.rating.measure.forcedMoves, std::uint64_t{8});
        }
    }

    void theRequestAloneDecidesThePuzzle() {
        const GeneratorRequest request{ElementsOf("FILPTUVWXY"), 0, Level::Hard, 42};
        const GeneratedPuzzle first = PuzzleGenerator(request).Generate();
        QCOMPARE(first.status, GeneratorStatus::Generated);
        const GeneratedPuzzle again = PuzzleGenerator(request).Generate();
        QVERIFY(again.data == first.data);
        QCOMPARE(again.tries, first.tries);
        for (int i = 0; i < kElementRecordCount; ++i) {
            QCOMPARE(first.data.elements[i].used, ((request.elements >> i) & 1) != 0);
        }
        GeneratorRequest other = request;
        other.seed = 43;
        QVERIFY(PuzzleGenerator(other).Generate().data.grid != first.data.grid);
    }

    void cancelStopsBetweenTries() {
        std::atomic<bool> cancel = true;
        const PuzzleGenerator generator({0, 12, Level::Hard, 9});
        GeneratedPuzzle puzzle = generator.Generate(&cancel);
        QCOMPARE(puzzle.status, GeneratorStatus::Cancelled);
        QCOMPARE(puzzle.tries, 0);

        cancel = false;
        int heard = 0;
        puzzle = generator.Generate(&cancel, [&](int tries) {
            QCOMPARE(tries, ++heard);
            cancel = tries == 3;
        });
        QCOMPARE(puzzle.status, GeneratorStatus::Cancelled);
        QCOMPARE(puzzle.tries, 3);
    }

    void aRequestOutsideThreeToTwelveElementsMakesNothing_data() {
        QTest::addColumn<unsigned>("elements");
        QTest::addColumn<int>("elementCount");
        QTest::newRow("2 elements") << 0u << 2;
        QTest::newRow("13 elements") << 0u << 13;
        QTest::newRow("letters LN") << ElementsOf("LN") << 12;
        QTest::newRow("a thirteenth bit") << (ElementsOf("LNV") | 1u << 12) << 3;
    }
    void aRequestOutsideThreeToTwelveElementsMakesNothing() {
        QFETCH(unsigned, elements);
        QFETCH(int, elementCount);
        const PuzzleGenerator generator({elements, elementCount, Level::Easy, 1});
        QVERIFY(!generator.IsValid());
        const GeneratedPuzzle puzzle = generator.Generate();
        QCOMPARE(puzzle.status, GeneratorStatus::NotFound);
        QCOMPARE(puzzle.tries, 0);
    }
};

}  // namespace tessellix

QTEST_APPLESS_MAIN(tessellix::PuzzleGeneratorTest)
#include "test_puzzle_generator.moc"
