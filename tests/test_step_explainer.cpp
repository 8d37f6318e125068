#include <QtTest>

#include <algorithm>
#include <bit>
#include <map>
#include <numeric>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "model/board_places.h"
#include "model/element_set.h"
#include "solver/step_explainer.h"
#include "tests/placed_picture.h"

namespace tessellix {

namespace {

// Every cover the solver enumerates, listed once per puzzle.
const std::vector<Solution>& CoversOf(const TilingSolver& solver, const std::vector<int>& grid) {
    static std::map<std::pair<std::vector<int>, unsigned>, std::vector<Solution>> known;
    const auto [entry, added] = known.try_emplace({grid, solver.UsedElements()});
    if (added) {
        solver.ForEachSolution([&](const Solution& solution) {
            entry->second.push_back(solution);
            return true;
        });
    }
    return entry->second;
}

// The reference: the enumerated covers that keep every placed element.
std::vector<const Solution*> Completions(const TilingSolver& solver, const std::vector<int>& grid,
                                         const std::vector<PlacedElement>& placed) {
    std::vector<const Solution*> kept;
    for (const Solution& solution : CoversOf(solver, grid)) {
        bool keeps = true;
        for (const PlacedElement& p : placed) {
            keeps = keeps &&
                    MaskOf(solver, {p.element, solution[p.element].placement}) == MaskOf(solver, p);
        }
        if (keeps) {
            kept.push_back(&solution);
        }
    }
    return kept;
}

// "3,1 3,2": cells as board places.
QString Places(const BoardPlaces& places, const std::vector<GridCell>& cells) {
    QStringList shown;
    for (const GridCell& cell : cells) {
        const BoardPlace place = places.PlaceOf(cell).value_or(BoardPlace{});
        shown << QString("%1,%2").arg(place.row).arg(place.column);
    }
    return shown.join(' ');
}

const QString kAll = "ILYNVTZFWUXP";

// What a step claims, against the enumerated completions and the free cells read afresh: a
// forced placement lies in every completion, a region is one edge-joined area of free cells
// that cannot be covered, a guess's cell has at least as many ways as the completions use.
void VerifyAgainstCompletions(BoardQuestions& questions, const std::vector<int>& grid,
                              const std::vector<PlacedElement>& placed, const ExplainedStep& step) {
    const TilingSolver& solver = questions.Solver();
    const std::vector<const Solution*> completions = Completions(solver, grid, placed);
    const bool finishable = step.kind == StepKind::Cell || step.kind == StepKind::Element ||
                            step.kind == StepKind::Guess;
    QCOMPARE(!completions.empty(), finishable);
    if (step.kind == StepKind::Cell || step.kind == StepKind::Element) {
        const std::uint64_t mask = MaskOf(solver, *step.placement);
        QCOMPARE(std::popcount(mask), 5);
        for (const Solution* cover : completions) {
            const int element = step.placement->element;
            QCOMPARE(MaskOf(solver, {element, (*cover)[element].placement}), mask);
        }
    }
    if (step.kind == StepKind::Cell) {
        const GridCell cell = step.cells.front();
        QVERIFY(
            (MaskOf(solver, *step.placement) >> solver.Region().IndexOf(cell.row, cell.column)) &
            1);
    }
    if (step.kind == StepKind::Guess) {
        const GridCell cell = step.cells.front();
        const std::uint64_t bit = std::uint64_t{1}
                                  << solver.Region().IndexOf(cell.row, cell.column);
        std::set<std::pair<int, std::uint64_t>> used;
        for (const Solution* cover : completions) {
            for (int element = 0; element < kElementRecordCount; ++element) {
                const std::uint64_t mask =
                    (*cover)[element].placed
                        ? MaskOf(solver, {element, (*cover)[element].placement})
                        : 0;
                if ((mask & bit) != 0) {
                    used.insert({element, mask});
                }
            }
        }
        QVERIFY(step.ways >= 2);
        QVERIFY(step.ways >= static_cast<int>(used.size()));
    }
    if (step.kind == StepKind::Region) {
        const SolverRegion& region = solver.Region();
        std::uint64_t covered = 0;
        unsigned freeElements = solver.UsedElements();
        for (const PlacedElement& p : placed) {
            covered |= MaskOf(solver, p);
            freeElements &= ~(1u << p.element);
        }
        std::vector<int> free(kGrid * kGrid, 0);
        for (int row = 0; row < region.Rows(); ++row) {
            for (int column = 0; column < region.Columns(); ++column) {
                const int slot = region.IndexOf(row, column);
                free[row * kGrid + column] = slot >= 0 && ((covered >> slot) & 1) == 0 ? 1 : 0;
            }
        }
        const std::vector<std::vector<GridCell>> areas = FreeRegions(free, kGrid);
        QVERIFY(std::find(areas.begin(), areas.end(), step.cells) != areas.end());
        std::uint64_t area = 0;
        for (const GridCell& cell : step.cells) {
            area |= std::uint64_t{1} << region.IndexOf(cell.row, cell.column);
        }
        const bool fits = std::any_of(
            solver.Placements().begin(), solver.Placements().end(), [&](const auto& info) {
                return ((freeElements >> info.element) & 1) != 0 && (info.mask & ~area) == 0;
            });
        QVERIFY(step.cells.size() % 5 != 0 || !fits);
    }
}

}  // namespace

}  // namespace tessellix

Q_DECLARE_METATYPE(tessellix::Board)
Q_DECLARE_METATYPE(tessellix::StepKind)

namespace tessellix {

class StepExplainerTest : public QObject {
    Q_OBJECT
  private slots:
    void theSimplestStepIsNamed_data() {
        QTest::addColumn<Board>("board");
        QTest::addColumn<StepKind>("kind");
        QTest::addColumn<QString>("cells");
        QTest::addColumn<QString>("element");
        QTest::addColumn<int>("ways");
        QTest::addColumn<QString>("wayElements");
        QTest::addColumn<QString>("takeAway");
        QTest::newRow("region: X walls a corner cell off")
            << Board{{".X........", "XXX.......", ".X........", "..........", "..........",
                      "..IIIII..."},
                     kAll,
                     "IX"}
            << StepKind::Region << "1,1"
            << "" << 0 << ""
            << "X";
        QTest::newRow("region: a line of five with the I used")
            << Board{{"LL........", ".L........", ".L.V......", ".L.V......", ".VVV......",
                      ".IIIII...."},
                     kAll,
                     "LVI"}
            << StepKind::Region << "2,1 3,1 4,1 5,1 6,1"
            << "" << 0 << ""
            << "L";
        QTest::newRow("blocked: every area fits, no completion")
            << Board{{"..........", "..PPP.....", "...PP..L..", ".......L..", ".......L..",
                      ".......LL."},
                     kAll,
                     "PL"}
            << StepKind::Blocked << ""
            << "" << 0 << ""
            << "L";
        QTest::newRow("cell: only the P fits the pocket")
            << Board{{"...YYYY...", "....YUUU..", ".....UFUZZ", "......FFZ.", ".....FFZZ.",
                      ".........."},
                     kAll,
                     "ZFUY"}
            << StepKind::Cell << "1,8"
            << "P" << 0 << ""
            << "";
        QTest::newRow("cell: only the I fits under the L")
            << Board{{"..........", "..........", "..........", "..........", "....LLLL..",
                      ".......L.."},
                     kAll,
                     "L"}
            << StepKind::Cell << "6,4"
            << "I" << 0 << ""
            << "";
        QTest::newRow("cell first: the X's only place is a cell's only cover")
            << Board{{" .   ", "...  ", " .   ", "....."}, "XI", ""} << StepKind::Cell << "1,2"
            << "X" << 0 << ""
            << "";
        QTest::newRow("element: the X fits in one place")
            << Board{{".......PPP", ".....UUUPP", "..T..UFU..", "..T...FF..", ".TTT.FF...",
                      ".........."},
                     kAll,
                     "TFUP"}
            << StepKind::Element << ""
            << "X" << 0 << ""
            << "";
        QTest::newRow("guess: the corner beside the N")
            << Board{{"N.........", "NN........", ".N........", ".N........", "..........",
                      ".........."},
                     kAll,
                     "N"}
            << StepKind::Guess << "3,1"
            << "" << 3 << "LYV"
            << "";
    }
    void theSimplestStepIsNamed() {
        QFETCH(Board, board);
        QFETCH(StepKind, kind);
        QFETCH(QString, cells);
        QFETCH(QString, element);
        QFETCH(int, ways);
        QFETCH(QString, wayElements);
        QFETCH(QString, takeAway);
        const std::vector<int> grid = Grid(board.picture);
        BoardQuestions questions(grid, kGrid, Elements(board.used));
        const TilingSolver& solver = questions.Solver();
        const std::vector<PlacedElement> placed = Placed(solver, board);
        QCOMPARE(placed.size(), static_cast<std::size_t>(board.order.size()));
        const std::optional<ExplainedStep> step = StepExplainer(questions).Explain(placed);
        QVERIFY(step.has_value());
        QCOMPARE(step->kind, kind);
        const BoardPlaces places(grid, kGrid);
        QCOMPARE(Places(places, step->cells), cells);
        QCOMPARE(step->placement ? QString(kElementLetters[step->placement->element]) : "",
                 element);
        QCOMPARE(step->ways, ways);
        QCOMPARE(Letters(step->wayElements), wayElements);
        QCOMPARE(Letters(step->takeAway), takeAway);

        QCOMPARE(static_cast<int>(step->placementCells.size()), step->placement ? 5 : 0);
        VerifyAgainstCompletions(questions, grid, placed, *step);
    }

    // Seeded boards on two rectangles, half of them part of a cover and half placed at random.
    void everyNamedStepHoldsForEveryCompletion_data() {
        QTest::addColumn<Picture>("shape");
        QTest::newRow("10 x 6") << Picture(6, std::string(10, '.'));
        QTest::newRow("12 x 5") << Picture(5, std::string(12, '.'));
    }
    void everyNamedStepHoldsForEveryCompletion() {
        QFETCH(Picture, shape);
        const std::vector<int> grid = Grid(shape);
        BoardQuestions questions(grid, kGrid, Elements(kAll));
        const TilingSolver& solver = questions.Solver();
        const std::vector<Solution>& covers = CoversOf(solver, grid);
        std::mt19937 random(7);
        std::set<StepKind> kinds;
        for (int board = 0; board < 80; ++board) {
            std::vector<PlacedElement> placed;
            const int count = 1 + board % 6;
            if (board % 2 == 0) {
                const Solution& cover = covers[random() % covers.size()];
                std::vector<int> elements(kElementRecordCount);
                std::iota(elements.begin(), elements.end(), 0);
                std::shuffle(elements.begin(), elements.end(), random);
                for (int at = 0; at < count; ++at) {
                    placed.push_back({elements[at], cover[elements[at]].placement});
                }
            } else {
                std::uint64_t filled = 0;
                unsigned used = 0;
                while (static_cast<int>(placed.size()) < count) {
                    const auto& info = solver.Placements()[random() % solver.Placements().size()];
                    if ((info.mask & filled) == 0 && ((used >> info.element) & 1) == 0) {
                        placed.push_back({info.element, info.placement});
                        filled |= info.mask;
                        used |= 1u << info.element;
                    }
                }
            }
            const std::optional<ExplainedStep> step = StepExplainer(questions).Explain(placed);
            QVERIFY(step.has_value());
            kinds.insert(step->kind);
            VerifyAgainstCompletions(questions, grid, placed, *step);
        }
        QVERIFY(kinds.size() >= 3);
    }

    void aSolvedBoardHasNoStepAndANonBoardIsBlocked() {
        const Picture plus{" . ", "...", " . "};
        BoardQuestions questions(Grid(plus), kGrid, Elements("X"));
        StepExplainer explainer(questions);
        const std::optional<ExplainedStep> first = explainer.Explain({});
        QVERIFY(first.has_value());
        QVERIFY(!explainer.Explain({*first->placement}).has_value());
        const std::optional<ExplainedStep> twice =
            explainer.Explain({*first->placement, *first->placement});
        QVERIFY(twice.has_value());
        QCOMPARE(twice->kind, StepKind::Blocked);
        QVERIFY(twice->takeAway.empty());
    }

    // The path takes each forced step and one covering option at each guess, so its
    // placements are a cover, each step true of the board it was named on.
    void theSolutionPathEndsInACover() {
        const Picture rectangle(6, std::string(10, '.'));
        const std::vector<int> grid = Grid(rectangle);
        BoardQuestions questions(grid, kGrid, Elements(kAll));
        const std::vector<ExplainedStep> path = StepExplainer(questions).SolutionPath({});
        std::vector<PlacedElement> placed;
        for (const ExplainedStep& step : path) {
            VerifyAgainstCompletions(questions, grid, placed, step);
            QVERIFY(step.placement.has_value());
            placed.push_back(*step.placement);
        }
        QCOMPARE(placed.size(), std::size_t{12});
        QCOMPARE(questions.Validate(placed).problem, PlacedProblem::None);
        const PathSummary summary = SummaryOf(path);
        QVERIFY(summary.reachesCover);
        QCOMPARE(summary.forcedSteps + summary.guesses, 12);
    }
};

}  // namespace tessellix

QTEST_GUILESS_MAIN(tessellix::StepExplainerTest)
#include "test_step_explainer.moc"
