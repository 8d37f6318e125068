#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "library/puzzle_file.h"
#include "solver/solver_region.h"

namespace tessellix {

// A solution as the game stores it: each used element's record placed, its column and row
// counted from the top-left corner of the region's bounding box; each unused element's record
// neither used nor placed.
using Solution = std::array<ElementRecord, kElementRecordCount>;

enum class SolverProblem {
    None,
    EmptyRegion,        // no cell to cover
    CellCountMismatch,  // the cells are not five times the number of elements
};

struct CountProgress {
    std::uint64_t tilings = 0;  // counted so far
    double fraction = 0;        // 0..1, a rough share of the work done
};

struct CountOptions {
    std::uint64_t maxTilings = 0;  // stop once at least this many are counted; 0: no limit
    // Called now and then during the count; returning false stops it.
    std::function<bool(const CountProgress&)> progress;
};

struct CountResult {
    std::uint64_t tilings = 0;   // every cover, each arrangement of the region counted apart
    std::uint64_t distinct = 0;  // covers up to the symmetries of the region; 0 when incomplete
    int symmetries = 1;          // order of the region's symmetry group
    bool complete = true;        // false when stopped by a limit or by the progress callback
};

// Covers a region of a square grid with a chosen subset of the twelve elements, each used
// exactly once, every cell covered once, in any of its orientations.
class TilingSolver {
  public:
    // grid: n x n, row-major, nonzero for a region cell. usedElements: bit i for element i.
    TilingSolver(const std::vector<int>& grid, int n, unsigned usedElements);

    // One element in one orientation at one position of the region.
    struct PlacementInfo {
        int element = 0;
        Placement placement;
        std::uint64_t mask = 0;  // the five cells' slots of the region
    };

    SolverProblem Problem() const { return problem; }
    const SolverRegion& Region() const { return region; }
    unsigned UsedElements() const { return used; }
    // Every placement of a used element on cells of the region.
    const std::vector<PlacementInfo>& Placements() const { return placements; }

    std::optional<Solution> FindFirst() const;
    // Calls visit with every solution until it returns false; returns how many it was given.
    std::uint64_t ForEachSolution(const std::function<bool(const Solution&)>& visit) const;
    // Counts every cover, and the distinct ones by Burnside's lemma over the region's symmetries.
    CountResult Count(const CountOptions& options = {}) const;

    // The bounding box of the region, one string per row: the element's letter on each cell
    // (ILYNVTZFWUXP for elements 0..11), '.' outside the region, '?' on an uncovered cell.
    std::vector<std::string> Picture(const Solution& solution) const;

  private:
    Solution ToSolution(const std::vector<int>& chosen) const;
    std::uint64_t MapMask(std::uint64_t mask, const std::vector<int>& permutation) const;
    std::uint64_t CountFixedBy(const std::vector<int>& permutation) const;

    SolverRegion region;
    unsigned used = 0;
    SolverProblem problem = SolverProblem::None;
    std::vector<PlacementInfo> placements;
};

}  // namespace tessellix
