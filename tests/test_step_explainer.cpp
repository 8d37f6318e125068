#include <QtTest>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "model/board_places.h"
#include "model/element_set.h"
#include "solver/step_explainer.h"

namespace tessellix {

namespace {

constexpr int kGrid = 31;

using Picture = std::vector<std::string>;

// A board drawn in ASCII: ' ' is no puzzle cell, '.' a free cell, a letter of ILYNVTZFWUXP a
// cell covered by that element. `order` names the placed ones in the order they were placed.
struct Board {
    Picture picture;
    QString used;
    QString order;
};

int ElementOf(QChar letter) {
    return static_cast<int>(std::string(kElementLetters).find(letter.toLatin1()));
}

unsigned Elements(const QString& letters) {
    unsigned mask = 0;
    for (QChar letter : letters) {
        mask |= 1u << ElementOf(letter);
    }
    return mask;
}

QString Letters(const std::vector<int>& elements) {
    QString letters;
    for (int element : elements) {
        letters += QChar(kElementLetters[element]);
    }
    return letters;
}

std::vector<int> Grid(const Picture& picture) {
    std::vector<int> grid(kGrid * kGrid, 0);
    for (std::size_t r = 0; r < picture.size(); ++r) {
        for (std::size_t c = 0; c < picture[r].size(); ++c) {
            grid[r * kGrid + c] = picture[r][c] != ' ' ? 1 : 0;
        }
    }
    return grid;
}

std::uint64_t MaskOf(const TilingSolver& solver, const PlacedElement& placed) {
    for (const TilingSolver::PlacementInfo& info : solver.Placements()) {
        if (info.element == placed.element && info.placement == placed.placement) {
            return info.mask;
        }
    }
    return 0;
}

std::vector<PlacedElement> Placed(const TilingSolver& solver, const Board& board) {
    std::vector<PlacedElement> placed;
    for (QChar letter : board.order) {
        std::uint64_t mask = 0;
        for (std::size_t r = 0; r < board.picture.size(); ++r) {
            for (std::size_t c = 0; c < board.picture[r].size(); ++c) {
                if (board.picture[r][c] == letter.toLatin1()) {
                    mask |= std::uint64_t{1} << solver.Region().IndexOf(r, c);
                }
            }
        }
        for (const TilingSolver::PlacementInfo& info : solver.Placements()) {
            if (info.element == ElementOf(letter) && info.mask == mask) {
                placed.push_back({info.element, info.placement});
            }
        }
    }
    return placed;
}

// The reference count: the covers the solver enumerates that keep every placed element.
std::uint64_t Completions(const TilingSolver& solver, const std::vector<PlacedElement>& placed) {
    std::uint64_t count = 0;
    solver.ForEachSolution([&](const Solution& solution) {
        bool keeps = true;
        for (const PlacedElement& p : placed) {
            keeps = keeps &&
                    MaskOf(solver, {p.element, solution[p.element].placement}) == MaskOf(solver, p);
        }
        count += keeps ? 1 : 0;
        return true;
    });
    return count;
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

        const std::uint64_t completions = Completions(solver, placed);
        QCOMPARE(completions > 0,
                 kind == StepKind::Cell || kind == StepKind::Element || kind == StepKind::Guess);
        if (kind == StepKind::Cell || kind == StepKind::Element) {
            // Forced: the placement lies in every completion.
            std::vector<PlacedElement> taken = placed;
            taken.push_back(*step->placement);
            QCOMPARE(Completions(solver, taken), completions);
            QCOMPARE(step->placementCells.size(), std::size_t{5});
        }
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
    // placements are a cover.
    void theSolutionPathEndsInACover() {
        const Picture rectangle(6, std::string(10, '.'));
        BoardQuestions questions(Grid(rectangle), kGrid, Elements(kAll));
        const std::vector<ExplainedStep> path = StepExplainer(questions).SolutionPath({});
        std::vector<PlacedElement> placed;
        for (const ExplainedStep& step : path) {
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
