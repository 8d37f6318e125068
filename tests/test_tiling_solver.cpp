#include <QtTest>

#include <algorithm>
#include <map>
#include <set>

#include "model/cell_shape.h"
#include "model/element_set.h"
#include "model/orientation_table.h"
#include "model/play_session.h"
#include "solver/tiling_solver.h"
#include "tests/ascii_grid.h"

namespace tessellix {

namespace {

constexpr int kGrid = 31;
constexpr unsigned kAll = 0xFFF;

using Shape = std::vector<Cell>;

std::vector<int> Rectangle(int columns, int rows) {
    std::vector<std::string> picture(rows, std::string(columns, 'X'));
    return AsciiGrid(picture, kGrid);
}

// An independent count: every orientation from plain coordinate turns of the table's shapes,
// and a plain recursive search that covers the lowest uncovered cell in reading order.
class BruteForce {
  public:
    BruteForce(const std::vector<int>& grid, unsigned elements) : used(elements) {
        for (int i = 0; i < kGrid * kGrid; ++i) {
            if (grid[i] != 0) {
                region.insert({i / kGrid, i % kGrid});
            }
        }
        for (int e = 0; e < 12; ++e) {
            if ((used & (1u << e)) == 0) {
                continue;
            }
            Shape base;
            for (int r = 0; r < 5; ++r) {
                for (int c = 0; c < 5; ++c) {
                    if (kStandardElements[e].rows[r][c] == 'X') {
                        base.push_back({r, c});
                    }
                }
            }
            std::set<Shape> shapes;
            for (int t = 0; t < 8; ++t) {
                shapes.insert(Normalised(Transformed(base, t)));
            }
            for (const Shape& shape : shapes) {
                for (const Cell& covered : region) {
                    // Every position of the shape whose first cell lies on this region cell.
                    const Cell anchor{covered.first - shape[0].first,
                                      covered.second - shape[0].second};
                    Shape placed;
                    for (const Cell& cell : shape) {
                        placed.push_back({anchor.first + cell.first, anchor.second + cell.second});
                    }
                    if (std::all_of(placed.begin(), placed.end(),
                                    [&](const Cell& c) { return region.count(c) == 1; })) {
                        placements[e].insert(placed);
                    }
                }
            }
        }
    }

    // Every cover as a map from cell to element.
    std::vector<std::map<Cell, int>> Covers() {
        covers.clear();
        if (region.size() == 5u * std::popcount(used)) {
            std::map<Cell, int> labels;
            Search(labels, used);
        }
        return covers;
    }

    // Covers counted once per orbit under the symmetries of the square that keep the region.
    std::size_t Distinct() {
        std::vector<int> symmetries;
        for (int t = 0; t < 8; ++t) {
            const Shape cells(region.begin(), region.end());
            if (Normalised(Transformed(cells, t)) == Normalised(cells)) {
                symmetries.push_back(t);
            }
        }
        std::set<std::vector<std::pair<Cell, int>>> canonical;
        for (const auto& cover : Covers()) {
            std::vector<std::pair<Cell, int>> best;
            for (int t : symmetries) {
                Shape cells;
                for (const auto& [cell, element] : cover) {
                    cells.push_back(cell);
                }
                const Shape moved = Transformed(cells, t);
                const Cell shift = Offset(moved);
                std::vector<std::pair<Cell, int>> image;
                std::size_t i = 0;
                for (const auto& [cell, element] : cover) {
                    image.push_back(
                        {{moved[i].first - shift.first, moved[i].second - shift.second}, element});
                    ++i;
                }
                std::sort(image.begin(), image.end());
                if (best.empty() || image < best) {
                    best = image;
                }
            }
            canonical.insert(best);
        }
        return canonical.size();
    }

  private:
    static Shape Transformed(Shape shape, int t) {
        for (Cell& cell : shape) {
            if (t >= 4) {
                cell.second = -cell.second;
            }
            for (int k = 0; k < t % 4; ++k) {
                cell = {cell.second, -cell.first};
            }
        }
        return shape;
    }
    static Cell Offset(const Shape& shape) {
        Cell least{1000, 1000};
        for (const Cell& cell : shape) {
            least = {std::min(least.first, cell.first), std::min(least.second, cell.second)};
        }
        return least;
    }
    static Shape Normalised(Shape shape) {
        const Cell least = Offset(shape);
        for (Cell& cell : shape) {
            cell = {cell.first - least.first, cell.second - least.second};
        }
        std::sort(shape.begin(), shape.end());
        return shape;
    }

    void Search(std::map<Cell, int>& labels, unsigned left) {
        if (left == 0) {
            covers.push_back(labels);
            return;
        }
        Cell first{-1, -1};
        for (const Cell& cell : region) {
            if (labels.count(cell) == 0) {
                first = cell;
                break;
            }
        }
        for (int e = 0; e < 12; ++e) {
            if ((left & (1u << e)) == 0) {
                continue;
            }
            for (const Shape& placed : placements[e]) {
                if (std::find(placed.begin(), placed.end(), first) == placed.end() ||
                    std::any_of(placed.begin(), placed.end(),
                                [&](const Cell& c) { return labels.count(c) != 0; })) {
                    continue;
                }
                for (const Cell& c : placed) {
                    labels[c] = e;
                }
                Search(labels, left & ~(1u << e));
                for (const Cell& c : placed) {
                    labels.erase(c);
                }
            }
        }
    }

    std::set<Cell> region;
    unsigned used;
    std::map<int, std::set<Shape>> placements;
    std::vector<std::map<Cell, int>> covers;
};

// Replays a solution as a hint does on a puzzle made from the grid; returns the number of
// puzzle cells left free, or -1 when an element covered fewer than five free cells.
int ReplayLeavesFree(const std::vector<int>& grid, const Solution& solution) {
    PuzzleLibrary noLibrary;
    PlaySession session(noLibrary);
    session.Puzzle().SetCells(grid);
    for (int i = 0; i < kElementRecordCount; ++i) {
        session.Elements()[i].excluded = solution[i].used ? 0 : 1;
        session.Elements()[i].SetStoredSolution(solution[i].placement);
    }
    for (int i = 0; i < kElementRecordCount; ++i) {
        if (solution[i].placed && !session.PlaceAtSolution(i)) {
            return -1;
        }
    }
    const std::vector<int>& cells = session.Puzzle().cells;
    return static_cast<int>(std::count(cells.begin(), cells.end(), 1));
}

int PlacedCount(const Solution& solution) {
    return static_cast<int>(std::count_if(solution.begin(), solution.end(),
                                          [](const ElementRecord& r) { return r.placed; }));
}

}  // namespace

class TilingSolverTest : public QObject {
    Q_OBJECT
  private slots:
    void classicBoardsHaveTheirKnownCounts_data() {
        QTest::addColumn<std::vector<int>>("grid");
        QTest::addColumn<int>("symmetries");
        QTest::addColumn<qulonglong>("tilings");
        QTest::addColumn<qulonglong>("distinct");
        QTest::newRow("6 x 10") << Rectangle(10, 6) << 4 << 9356ull << 2339ull;
        QTest::newRow("5 x 12") << Rectangle(12, 5) << 4 << 4040ull << 1010ull;
        QTest::newRow("4 x 15") << Rectangle(15, 4) << 4 << 1472ull << 368ull;
        QTest::newRow("3 x 20") << Rectangle(20, 3) << 4 << 8ull << 2ull;
        QTest::newRow("8 x 8 less its centre")
            << AsciiGrid({"XXXXXXXX", "XXXXXXXX", "XXXXXXXX", "XXX..XXX", "XXX..XXX", "XXXXXXXX",
                          "XXXXXXXX", "XXXXXXXX"},
                         kGrid)
            << 8 << 520ull << 65ull;
    }
    void classicBoardsHaveTheirKnownCounts() {
        QFETCH(std::vector<int>, grid);
        QFETCH(int, symmetries);
        QFETCH(qulonglong, tilings);
        QFETCH(qulonglong, distinct);
        const TilingSolver solver(grid, kGrid, kAll);
        QCOMPARE(solver.Problem(), SolverProblem::None);
        const CountResult result = solver.Count();
        QVERIFY(result.complete);
        QCOMPARE(result.symmetries, symmetries);
        QCOMPARE(result.tilings, tilings);
        QCOMPARE(result.distinct, distinct);
    }

    void eachElementHasAsManyOrientationsAsItsShapeAllows_data() {
        QTest::addColumn<int>("element");
        QTest::addColumn<int>("orientations");
        const int expected[12] = {2, 8, 8, 8, 4, 4, 4, 8, 4, 4, 1, 8};
        for (int element = 0; element < 12; ++element) {
            QTest::addRow("%c", "ILYNVTZFWUXP"[element]) << element << expected[element];
        }
    }
    void eachElementHasAsManyOrientationsAsItsShapeAllows() {
        QFETCH(int, element);
        QFETCH(int, orientations);
        const auto& listed = OrientationTable::Standard().Of(element);
        QCOMPARE(static_cast<int>(listed.size()), orientations);
        // Each listed orientation is what the element shows after the game's own turns.
        ElementSet set;
        for (const ElementOrientation& o : listed) {
            Element& shown = set[element];
            shown.ResetOrientation();
            if (o.Mirrored() == 1) {
                shown.Transform(Mirror);
            }
            for (int turn = 0; turn < o.Rotation(); ++turn) {
                shown.Transform(TurnClockwise);
            }
            QCOMPARE(shown.width, o.columns * kCellSize);
            QCOMPARE(shown.height, o.rows * kCellSize);
            for (int k = 0; k < 5; ++k) {
                QCOMPARE(shown.Cell(o.cellRows[k], o.cellColumns[k]), 1);
            }
        }
    }

    void smallPuzzlesAgreeWithAPlainSearch_data() {
        QTest::addColumn<QStringList>("picture");
        QTest::addColumn<QString>("elements");
        QTest::newRow("3 x 5, three elements") << QStringList{"XXXXX", "XXXXX", "XXXXX"} << "LNV";
        QTest::newRow("4 x 5, four elements")
            << QStringList{"XXXXX", "XXXXX", "XXXXX", "XXXXX"} << "LYWP";
        QTest::newRow("5 x 5, five elements")
            << QStringList{"XXXXX", "XXXXX", "XXXXX", "XXXXX", "XXXXX"} << "ILYWP";
        QTest::newRow("irregular with a hole")
            << QStringList{"XXXXX.", "XX.XXX", "XXXXXX", "XXXX.."} << "LYNV";
        QTest::newRow("mirror region, covers in mirrored pairs")
            << QStringList{"XXXXX", "XX.XX", "XXXXX", "..X.."} << "YZP";
        QTest::newRow("a cover that is its own mirror image")
            << QStringList{"XXX", ".X.", ".X.", "X.X", "XXX"} << "TU";
        QTest::newRow("symmetric top, mirrored bottom")
            << QStringList{".XXX.", "..X..", "..X..", ".X.X.", ".XXX.",
                           "XXXXX", "XX.XX", "XXXXX", "..X.."}
            << "TUYZP";
        QTest::newRow("far apart, beyond one word of grid")
            << QStringList{"XXXXX....................X", "XXXXX....................X",
                           "XXXXX....................X", ".........................X",
                           ".........................X"}
            << "ILNV";
    }
    void smallPuzzlesAgreeWithAPlainSearch() {
        QFETCH(QStringList, picture);
        QFETCH(QString, elements);
        std::vector<std::string> rows;
        for (const QString& row : picture) {
            rows.push_back(row.toStdString());
        }
        const std::vector<int> grid = AsciiGrid(rows, kGrid, 3, 2);
        const unsigned used = ElementsOf(elements);
        BruteForce plain(grid, used);
        const TilingSolver solver(grid, kGrid, used);
        const CountResult result = solver.Count();
        QVERIFY(result.tilings > 0);
        QCOMPARE(result.tilings, static_cast<std::uint64_t>(plain.Covers().size()));
        QCOMPARE(result.distinct, static_cast<std::uint64_t>(plain.Distinct()));
        QCOMPARE(solver.ForEachSolution([](const Solution&) { return true; }), result.tilings);
    }

    void everySolutionReplaysToAnExactCover_data() {
        QTest::addColumn<std::vector<int>>("grid");
        QTest::addColumn<unsigned>("elements");
        QTest::addColumn<qulonglong>("solutions");
        QTest::newRow("3 x 20") << Rectangle(20, 3) << kAll << 8ull;
        QTest::newRow("3 x 5 at an odd place")
            << AsciiGrid({"XXXXX", "XXXXX", "XXXXX"}, kGrid, 17, 9) << ElementsOf("VUP") << 4ull;
        QTest::newRow("5 x 5 at the grid's corner")
            << AsciiGrid({"XXXXX", "XXXXX", "XXXXX", "XXXXX", "XXXXX"}, kGrid, 26, 26)
            << ElementsOf("ILYWP") << 80ull;
    }
    void everySolutionReplaysToAnExactCover() {
        QFETCH(std::vector<int>, grid);
        QFETCH(unsigned, elements);
        QFETCH(qulonglong, solutions);
        const TilingSolver solver(grid, kGrid, elements);
        std::uint64_t seen = 0;
        bool allCover = true;
        solver.ForEachSolution([&](const Solution& solution) {
            ++seen;
            allCover = allCover && PlacedCount(solution) == std::popcount(elements) &&
                       ReplayLeavesFree(grid, solution) == 0;
            return allCover;
        });
        QVERIFY(allCover);
        QCOMPARE(seen, solutions);
        QCOMPARE(seen, solver.Count().tilings);
    }

    void placementsAreRelativeToTheBoundingBox() {
        // The straight element stands upright four columns right of the box's left edge.
        const std::vector<int> grid =
            AsciiGrid({"X...X", "X...X", "X...X", "XX..X", "....X"}, kGrid, 7, 4);
        const auto solution = TilingSolver(grid, kGrid, ElementsOf("IL")).FindFirst();
        QVERIFY(solution.has_value());
        QCOMPARE(PlacedCount(*solution), 2);
        QCOMPARE(solution->front(), (ElementRecord{true, true, {0, 0, 4, 0}}));
        QCOMPARE(ReplayLeavesFree(grid, *solution), 0);
    }

    void aPuzzleWithoutCoverReportsNone() {
        // Ten cells in a row would need the straight element twice.
        const TilingSolver solver(Rectangle(10, 1), kGrid, ElementsOf("IL"));
        QCOMPARE(solver.Problem(), SolverProblem::None);
        QVERIFY(!solver.FindFirst().has_value());
        const CountResult result = solver.Count();
        QVERIFY(result.complete);
        QCOMPARE(result.tilings, 0u);
        QCOMPARE(result.distinct, 0u);
    }

    void cellsNotFiveTimesTheElementsAreAProblem_data() {
        QTest::addColumn<std::vector<int>>("grid");
        QTest::addColumn<unsigned>("elements");
        QTest::addColumn<SolverProblem>("problem");
        QTest::newRow("60 cells, 11 elements")
            << Rectangle(10, 6) << 0x7FFu << SolverProblem::CellCountMismatch;
        QTest::newRow("61 cells, 12 elements")
            << AsciiGrid({"XXXXXXXXXXX", "XXXXXXXXXX", "XXXXXXXXXX", "XXXXXXXXXX", "XXXXXXXXXX",
                          "XXXXXXXXXX"},
                         kGrid)
            << kAll << SolverProblem::CellCountMismatch;
        QTest::newRow("whole grid")
            << std::vector<int>(kGrid * kGrid, 1) << kAll << SolverProblem::CellCountMismatch;
        QTest::newRow("no cell") << std::vector<int>(kGrid * kGrid, 0) << 0u
                                 << SolverProblem::EmptyRegion;
        QTest::newRow("grid shorter than its side")
            << std::vector<int>(kGrid, 1) << 0x3Fu << SolverProblem::CellCountMismatch;
    }
    void cellsNotFiveTimesTheElementsAreAProblem() {
        QFETCH(std::vector<int>, grid);
        QFETCH(unsigned, elements);
        QFETCH(SolverProblem, problem);
        const TilingSolver solver(grid, kGrid, elements);
        QCOMPARE(solver.Problem(), problem);
        QVERIFY(!solver.FindFirst().has_value());
        QCOMPARE(solver.Count().tilings, 0u);
    }

    void symmetriesAreThoseOfTheRegion_data() {
        QTest::addColumn<QStringList>("picture");
        QTest::addColumn<int>("symmetries");
        QTest::newRow("square") << QStringList{"XXX", "XXX", "XXX"} << 8;
        QTest::newRow("rectangle") << QStringList{"XXXX", "XXXX"} << 4;
        QTest::newRow("mirror only") << QStringList{"X.X", "XXX"} << 2;
        QTest::newRow("diagonal only") << QStringList{"X..", "XX.", "XXX"} << 2;
        QTest::newRow("half turn only") << QStringList{"XX.", ".X.", ".XX"} << 2;
        QTest::newRow("none") << QStringList{"XX.", ".XX", ".X."} << 1;
    }
    void symmetriesAreThoseOfTheRegion() {
        QFETCH(QStringList, picture);
        QFETCH(int, symmetries);
        std::vector<std::string> rows;
        for (const QString& row : picture) {
            rows.push_back(row.toStdString());
        }
        const SolverRegion region(AsciiGrid(rows, kGrid, 5, 5), kGrid);
        QCOMPARE(static_cast<int>(region.Symmetries().size()), symmetries);
    }

    void aCountStopsAtItsLimit() {
        const TilingSolver solver(Rectangle(12, 5), kGrid, kAll);
        CountOptions options;
        options.maxTilings = 100;
        const CountResult limited = solver.Count(options);
        QVERIFY(!limited.complete);
        QVERIFY(limited.tilings >= 100);
        QVERIFY(limited.tilings < 4040);
        QCOMPARE(limited.distinct, 0u);
    }

    void aCountStopsWhenProgressSaysSo() {
        const TilingSolver solver(Rectangle(10, 6), kGrid, kAll);
        int calls = 0;
        CountOptions options;
        options.progress = [&](const CountProgress& progress) {
            ++calls;
            return progress.fraction < 0 || calls < 3;
        };
        const CountResult stopped = solver.Count(options);
        QCOMPARE(calls, 3);
        QVERIFY(!stopped.complete);
        QVERIFY(stopped.tilings < 9356);
    }

    void thePictureShowsEachElementsLetter() {
        const std::vector<int> grid = AsciiGrid({"XXXXX", "XXXXX", "XXXXX"}, kGrid, 2, 3);
        const TilingSolver solver(grid, kGrid, ElementsOf("LNV"));
        const auto solution = solver.FindFirst();
        QVERIFY(solution.has_value());
        const std::vector<std::string> picture = solver.Picture(*solution);
        QCOMPARE(picture.size(), 3u);
        std::map<char, int> letters;
        for (const std::string& row : picture) {
            QCOMPARE(row.size(), 5u);
            for (char letter : row) {
                ++letters[letter];
            }
        }
        QCOMPARE(letters, (std::map<char, int>{{'L', 5}, {'N', 5}, {'V', 5}}));
    }
};

}  // namespace tessellix

QTEST_GUILESS_MAIN(tessellix::TilingSolverTest)
#include "test_tiling_solver.moc"
