#include <QtTest>

#include <atomic>
#include <bit>
#include <functional>
#include <set>

#include "solver/deduction_solver.h"
#include "solver/puzzle_generator.h"
#include "solver/twin_region.h"
#include "tests/ascii_grid.h"

namespace tessellix {

namespace {

TilingSolver Solver(const std::vector<std::string>& picture, const QString& letters) {
    return TilingSolver(AsciiGrid(picture, kGridSide), kGridSide, ElementsOf(letters));
}

// Free cell edges and cells with three of them, counted here rather than by the generator.
std::pair<int, int> PerimeterAndTips(const std::set<Cell>& cells) {
    int perimeter = 0;
    int tips = 0;
    for (const auto& [r, c] : cells) {
        int free = 0;
        for (const Cell& next : {Cell{r + 1, c}, Cell{r - 1, c}, Cell{r, c + 1}, Cell{r, c - 1}}) {
            free += cells.count(next) == 0 ? 1 : 0;
        }
        perimeter += free;
        tips += free == 3 ? 1 : 0;
    }
    return {perimeter, tips};
}

// Whether a mirror along either axis or a diagonal, or a half turn, maps the cells onto
// themselves.
bool HasMirrorOrHalfTurn(const std::set<Cell>& cells) {
    int top = kGridSide, left = kGridSide, bottom = 0, right = 0;
    for (const auto& [r, c] : cells) {
        top = std::min(top, r);
        left = std::min(left, c);
        bottom = std::max(bottom, r);
        right = std::max(right, c);
    }
    const std::vector<std::function<Cell(Cell)>> maps{
        [&](Cell x) {
            return Cell{x.first, left + right - x.second};
        },
        [&](Cell x) {
            return Cell{top + bottom - x.first, x.second};
        },
        [&](Cell x) {
            return Cell{top + bottom - x.first, left + right - x.second};
        },
        [&](Cell x) {
            return Cell{top + x.second - left, left + x.first - top};
        },
        [&](Cell x) {
            return Cell{top + right - x.second, left + bottom - x.first};
        }};
    for (const auto& map : maps) {
        std::set<Cell> image;
        for (const Cell& cell : cells) {
            image.insert(map(cell));
        }
        if (image == cells) {
            return true;
        }
    }
    return false;
}

bool IsOnePieceWithoutHole(const std::set<Cell>& cells) {
    const auto reached = [](const std::set<Cell>& area, Cell start) {
        std::set<Cell> seen{start};
        std::vector<Cell> stack{start};
        while (!stack.empty()) {
            const auto [r, c] = stack.back();
            stack.pop_back();
            for (const Cell& next :
                 {Cell{r + 1, c}, Cell{r - 1, c}, Cell{r, c + 1}, Cell{r, c - 1}}) {
                if (area.count(next) > 0 && seen.insert(next).second) {
                    stack.push_back(next);
                }
            }
        }
        return seen.size();
    };
    std::set<Cell> outside;
    for (int r = -1; r <= kGridSide; ++r) {
        for (int c = -1; c <= kGridSide; ++c) {
            if (cells.count({r, c}) == 0) {
                outside.insert({r, c});
            }
        }
    }
    return reached(cells, *cells.begin()) == cells.size() &&
           reached(outside, {-1, -1}) == outside.size();
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

    // Each style's own property, measured here, and one solution by a count without a limit.
    // The seeds marked * are ones where a shape with two covers reaches the level before the
    // puzzle is found, so that a generator that let two covers pass would fail here.
    void eachStyleMakesItsShapeWithOneSolution_data() {
        QTest::addColumn<ShapeStyle>("style");
        QTest::addColumn<Level>("level");
        QTest::addColumn<int>("elements");
        QTest::addColumn<int>("seed");
        const auto row = [](ShapeStyle style, Level level, int elements, int seed) {
            QTest::addRow("%s %s, %d elements, seed %d", ShapeStyleName(style).data(),
                          LevelName(level).data(), elements, seed)
                << style << level << elements << seed;
        };
        row(ShapeStyle::Compact, Level::Easy, 8, 6);
        row(ShapeStyle::Compact, Level::Medium, 8, 2);  // *
        row(ShapeStyle::Compact, Level::Hard, 8, 4);    // *
        row(ShapeStyle::Compact, Level::Easy, 12, 1);
        row(ShapeStyle::Compact, Level::Medium, 12, 2);  // *
        row(ShapeStyle::Compact, Level::Hard, 12, 1);    // *
        row(ShapeStyle::Symmetric, Level::Easy, 8, 1);
        row(ShapeStyle::Symmetric, Level::Medium, 8, 5);  // *
        row(ShapeStyle::Symmetric, Level::Hard, 8, 6);
        row(ShapeStyle::Symmetric, Level::Easy, 12, 3);
        row(ShapeStyle::Symmetric, Level::Medium, 12, 1);  // *
        row(ShapeStyle::Symmetric, Level::Hard, 12, 1);    // *
        row(ShapeStyle::Free, Level::Easy, 8, 8);          // *
        row(ShapeStyle::Free, Level::Medium, 8, 3);        // *
        row(ShapeStyle::Free, Level::Hard, 8, 8);          // *
        row(ShapeStyle::Free, Level::Easy, 12, 2);
        row(ShapeStyle::Free, Level::Medium, 12, 3);  // *
        row(ShapeStyle::Free, Level::Hard, 12, 4);    // *
    }
    void eachStyleMakesItsShapeWithOneSolution() {
        QFETCH(ShapeStyle, style);
        QFETCH(Level, level);
        QFETCH(int, elements);
        QFETCH(int, seed);
        const GeneratedPuzzle puzzle =
            PuzzleGenerator({0, elements, level, std::uint64_t(seed), style}).Generate();
        QCOMPARE(puzzle.status, GeneratorStatus::Generated);
        QCOMPARE(puzzle.rating.level, level);
        const std::set<Cell> cells = CellsOf(puzzle.data.grid, kGridSide);
        QCOMPARE(int(cells.size()), 5 * elements);
        QVERIFY(IsOnePieceWithoutHole(cells));
        QVERIFY(cells.rbegin()->first < kCanvasRows);

        unsigned used = 0;
        for (int i = 0; i < kElementRecordCount; ++i) {
            used |= puzzle.data.elements[i].used ? 1u << i : 0;
        }
        const TilingSolver solver(puzzle.data.grid, kGridSide, used);
        const CountResult count = solver.Count();
        QVERIFY(count.complete);
        QCOMPARE(count.distinct, std::uint64_t{1});
        QCOMPARE(HasMirrorOrHalfTurn(cells), style == ShapeStyle::Symmetric);
        QCOMPARE(count.tilings, std::uint64_t(count.symmetries));
        // The stored solution is that cover.
        for (const std::string& line : solver.Picture(puzzle.data.elements)) {
            QVERIFY2(line.find('?') == std::string::npos, line.c_str());
        }
        if (style == ShapeStyle::Compact) {
            const auto [perimeter, tips] = PerimeterAndTips(cells);
            QVERIFY2(perimeter * 100 <= 113 * int(cells.size()),
                     qPrintable(QString::number(perimeter)));
            QVERIFY(tips <= 2);
        }
    }

    // The region that the symmetric style lays beside its image: each set covers it alone.
    void twinRegionIsCoveredByEachSet_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("two and two") << "LN"
                                     << "PY";
        QTest::newRow("three and three") << "FLN"
                                         << "PYZ";
        QTest::newRow("four and four") << "FLNP"
                                       << "VWYZ";
        QTest::newRow("six and six") << "FLNPTU"
                                     << "IVWXYZ";
    }
    void twinRegionIsCoveredByEachSet() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        // Half the canvas's width, as beside a mirror line down the middle.
        constexpr int kColumns = kCanvasColumns / 2;
        std::optional<std::vector<std::pair<int, int>>> region;
        for (std::uint64_t seed = 1; seed <= 50 && !region; ++seed) {
            SeededRandom random(seed);
            region =
                TwinRegion(ElementsOf(first), ElementsOf(second), kCanvasRows, kColumns, random)
                    .Grow();
        }
        QVERIFY(region);
        std::vector<int> grid(kGridSide * kGridSide, 0);
        for (const auto& [r, c] : *region) {
            QVERIFY(r < kCanvasRows && c < kColumns);
            grid[r * kGridSide + c] = 1;
        }
        QCOMPARE(int(region->size()), 5 * int(first.size()));
        QCOMPARE(std::count(grid.begin(), grid.end(), 1), std::ptrdiff_t(region->size()));
        for (const QString& letters : {first, second}) {
            QVERIFY2(TilingSolver(grid, kGridSide, ElementsOf(letters)).FindFirst(),
                     qPrintable(letters));
        }
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
