#include "solver/tiling_solver.h"

#include <algorithm>
#include <bit>
#include <map>
#include <optional>

#include "model/element_set.h"
#include "model/orientation_table.h"
#include "solver/cover_search.h"

namespace tessellix {

namespace {

constexpr int kElementCount = ElementSet::kCount;

// A first move of the count and how many covers each cover found under it stands for.
struct Branch {
    std::uint64_t mask = 0;
    int element = 0;
    std::uint64_t weight = 1;
};

}  // namespace

TilingSolver::TilingSolver(const std::vector<int>& grid, int n, unsigned usedElements)
    : region(grid, n), used(usedElements & ((1u << kElementCount) - 1)) {
    const int cellCount = region.CellCount();
    if (cellCount == 0) {
        problem = SolverProblem::EmptyRegion;
        return;
    }
    if (cellCount != 5 * std::popcount(used)) {
        problem = SolverProblem::CellCountMismatch;
        return;
    }
    const OrientationTable& table = OrientationTable::Standard();
    for (int element = 0; element < kElementCount; ++element) {
        if ((used & (1u << element)) == 0) {
            continue;
        }
        for (const ElementOrientation& o : table.Of(element)) {
            for (int row = 0; row + o.rows <= region.Rows(); ++row) {
                for (int column = 0; column + o.columns <= region.Columns(); ++column) {
                    std::uint64_t mask = 0;
                    for (int k = 0; k < 5 && mask != ~std::uint64_t{0}; ++k) {
                        const int index =
                            region.IndexOf(row + o.cellRows[k], column + o.cellColumns[k]);
                        mask = index < 0 ? ~std::uint64_t{0} : mask | std::uint64_t{1} << index;
                    }
                    if (mask != ~std::uint64_t{0}) {
                        placements.push_back(
                            {element, {o.Rotation(), o.Mirrored(), column, row}, mask});
                    }
                }
            }
        }
    }
}

Solution TilingSolver::ToSolution(const std::vector<int>& chosen) const {
    Solution solution;
    for (int element = 0; element < kElementCount; ++element) {
        solution[element] = {(used & (1u << element)) != 0, false, Placement{}};
    }
    for (int index : chosen) {
        solution[placements[index].element] = {true, true, placements[index].placement};
    }
    return solution;
}

std::optional<Solution> TilingSolver::FindFirst() const {
    std::optional<Solution> first;
    ForEachSolution([&](const Solution& solution) {
        first = solution;
        return false;
    });
    return first;
}

std::uint64_t TilingSolver::ForEachSolution(
    const std::function<bool(const Solution&)>& visit) const {
    if (problem != SolverProblem::None) {
        return 0;
    }
    std::vector<CoverSearch::Item> items;
    for (const PlacementInfo& info : placements) {
        items.push_back({info.mask, info.element});
    }
    CoverSearch search(region, items, 0);
    search.Enumerate(0, used,
                     [&](const std::vector<int>& chosen) { return visit(ToSolution(chosen)); });
    return search.Found();
}

std::uint64_t TilingSolver::MapMask(std::uint64_t mask, const std::vector<int>& permutation) const {
    std::uint64_t image = 0;
    for (; mask != 0; mask &= mask - 1) {
        image |= std::uint64_t{1} << permutation[std::countr_zero(mask)];
    }
    return image;
}

// Every element appears once in a cover and a symmetry keeps each element's shape, so a cover
// is fixed by a symmetry exactly when each of its placements is.
std::uint64_t TilingSolver::CountFixedBy(const std::vector<int>& permutation) const {
    std::vector<CoverSearch::Item> items;
    for (const PlacementInfo& info : placements) {
        if (MapMask(info.mask, permutation) == info.mask) {
            items.push_back({info.mask, info.element});
        }
    }
    CoverSearch search(region, items, 0);
    search.Count(0, used);
    return search.Found();
}

CountResult TilingSolver::Count(const CountOptions& options) const {
    CountResult result;
    const auto& group = region.Symmetries();
    result.symmetries = std::max(1, static_cast<int>(group.size()));
    if (problem != SolverProblem::None) {
        return result;
    }
    std::vector<CoverSearch::Item> items;
    for (const PlacementInfo& info : placements) {
        items.push_back({info.mask, info.element});
    }

    // The count is split into first moves. With symmetries, the first move places one element
    // in one position of each of its orbits, and the covers found count once for every
    // position of that orbit; the element with the fewest orbits cuts the work most.
    std::vector<Branch> branches;
    if (group.size() > 1) {
        std::optional<std::vector<Branch>> best;
        for (int element = 0; element < kElementCount; ++element) {
            if ((used & (1u << element)) == 0) {
                continue;
            }
            std::map<std::uint64_t, bool> seen;
            for (const PlacementInfo& info : placements) {
                if (info.element == element) {
                    seen[info.mask] = false;
                }
            }
            std::vector<Branch> orbits;
            for (auto& [mask, done] : seen) {
                if (done) {
                    continue;
                }
                std::vector<std::uint64_t> images;
                for (const auto& permutation : group) {
                    images.push_back(MapMask(mask, permutation));
                }
                std::sort(images.begin(), images.end());
                images.erase(std::unique(images.begin(), images.end()), images.end());
                for (std::uint64_t image : images) {
                    seen[image] = true;
                }
                // Of the orbit, the position nearest the start of the fill order prunes best.
                const std::uint64_t representative = *std::min_element(
                    images.begin(), images.end(), [](std::uint64_t a, std::uint64_t b) {
                        return std::countr_zero(a) != std::countr_zero(b)
                                   ? std::countr_zero(a) < std::countr_zero(b)
                                   : a < b;
                    });
                orbits.push_back({representative, element, images.size()});
            }
            if (!best || orbits.size() < best->size()) {
                best = std::move(orbits);
            }
        }
        branches = std::move(*best);
    } else {
        int firstCell = 0;
        while (!region.IsCell(firstCell)) {
            ++firstCell;
        }
        for (const CoverSearch::Item& item : items) {
            if (std::countr_zero(item.mask) == firstCell) {
                branches.push_back({item.mask, item.element, 1});
            }
        }
    }

    CoverSearch search(region, items);
    std::uint64_t tilings = 0;
    std::size_t branchIndex = 0;
    std::uint64_t foundBefore = 0;
    search.SetCheckIn([&] {
        const std::uint64_t sofar =
            tilings + branches[branchIndex].weight * (search.Found() - foundBefore);
        if (options.maxTilings != 0 && sofar >= options.maxTilings) {
            return false;
        }
        if (options.progress) {
            const double fraction = static_cast<double>(branchIndex) / branches.size();
            return options.progress({sofar, fraction});
        }
        return true;
    });
    for (branchIndex = 0; branchIndex < branches.size(); ++branchIndex) {
        const Branch& branch = branches[branchIndex];
        foundBefore = search.Found();
        search.Count(branch.mask, used & ~(1u << branch.element));
        tilings += branch.weight * (search.Found() - foundBefore);
        if (search.Stopped() || (options.maxTilings != 0 && tilings >= options.maxTilings &&
                                 branchIndex + 1 < branches.size())) {
            result.tilings = tilings;
            result.complete = false;
            return result;
        }
    }
    result.tilings = tilings;

    // Burnside: the number of orbits is the average number of covers fixed by a symmetry.
    std::uint64_t fixedSum = tilings;
    for (std::size_t g = 1; g < group.size(); ++g) {
        fixedSum += CountFixedBy(group[g]);
    }
    result.distinct = fixedSum / group.size();
    return result;
}

std::vector<std::string> TilingSolver::Picture(const Solution& solution) const {
    std::vector<std::string> rows;
    for (int r = 0; r < region.Rows(); ++r) {
        std::string line;
        for (int c = 0; c < region.Columns(); ++c) {
            line += region.IndexOf(r, c) < 0 ? '.' : '?';
        }
        rows.push_back(line);
    }
    const OrientationTable& table = OrientationTable::Standard();
    for (int element = 0; element < kElementCount; ++element) {
        const Placement& p = solution[element].placement;
        if (!solution[element].placed || p.rotation < 0 || p.rotation > 3 || p.mirrored < 0 ||
            p.mirrored > 1) {
            continue;
        }
        const ElementOrientation& o = table.State(element, p.rotation, p.mirrored);
        for (int k = 0; k < 5; ++k) {
            const int r = p.row + o.cellRows[k];
            const int c = p.column + o.cellColumns[k];
            if (r >= 0 && c >= 0 && r < region.Rows() && c < region.Columns()) {
                rows[r][c] = kElementLetters[element];
            }
        }
    }
    return rows;
}

}  // namespace tessellix
