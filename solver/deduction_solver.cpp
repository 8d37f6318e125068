#include "solver/deduction_solver.h"

#include <array>
#include <bit>

#include "model/element_set.h"

namespace tessellix {

namespace {

constexpr int kElementCount = ElementSet::kCount;
constexpr std::uint64_t kCheckInterval = 0xFF;

// Without a population-count instruction in the baseline, dropping four low bits is cheaper.
bool HoldsFiveCells(std::uint64_t area) {
    for (int cell = 1; cell < kElementCells; ++cell) {
        area &= area - 1;
    }
    return area != 0;
}

}  // namespace

std::uint64_t DeductionMeasure::DeadEndsPerCover() const {
    return covers == 0 ? deadEnds : (deadEnds + covers / 2) / covers;
}

DeductionSolver::DeductionSolver(const TilingSolver& solver)
    : neighbours(kMaskSlots, 0), used(solver.UsedElements()) {
    const SolverRegion& region = solver.Region();
    for (int slot = 0; slot < region.SlotCount(); ++slot) {
        if (!region.IsCell(slot)) {
            continue;
        }
        cells |= std::uint64_t{1} << slot;
        for (int neighbour : region.Neighbours(slot)) {
            if (neighbour >= 0) {
                neighbours[slot] |= std::uint64_t{1} << neighbour;
            }
        }
    }
    for (const TilingSolver::PlacementInfo& info : solver.Placements()) {
        std::uint64_t adjacent = 0;
        for (std::uint64_t m = info.mask; m != 0; m &= m - 1) {
            adjacent |= neighbours[std::countr_zero(m)];
        }
        moves.push_back({info.mask, adjacent & ~info.mask, info.element});
    }
}

// One run of the search: the counts, and per depth of guessing the list of possible moves.
class DeductionSolver::Search {
  public:
    Search(const DeductionSolver& solver, const DeductionOptions& options)
        : solver(solver), options(options) {}

    DeductionMeasure Run() {
        std::vector<int> all(solver.moves.size());
        for (int index = 0; index < static_cast<int>(all.size()); ++index) {
            all[index] = index;
        }
        // One list per depth of guessing; every guess places an element, so the lists never
        // move while a shallower one is in use.
        lists.resize(kElementCount + 1);
        Explore(solver.cells, solver.used, all, 0);
        return measure;
    }

  private:
    std::uint64_t Around(std::uint64_t area) const {
        std::uint64_t around = 0;
        for (; area != 0; area &= area - 1) {
            around |= solver.neighbours[std::countr_zero(area)];
        }
        return around;
    }

    // Whether putting the move on the board leaves an area of one to four empty cells that
    // nothing else touches: the pocket a person sees at a glance.
    bool WallsOffPocket(const Move& move, std::uint64_t empty) const {
        const std::uint64_t rest = empty & ~move.mask;
        std::uint64_t seen = 0;
        for (std::uint64_t open = move.adjacent & rest; open != 0; open &= open - 1) {
            const std::uint64_t start = open & -open;
            if ((seen & start) != 0) {
                continue;
            }
            std::uint64_t area = start;
            while (!HoldsFiveCells(area)) {
                const std::uint64_t grown = area | (Around(area) & rest);
                if (grown == area) {
                    return true;
                }
                area = grown;
            }
            seen |= area;
        }
        return false;
    }

    // Whether some connected area of empty cells cannot be filled by whole elements.
    bool HasUnfillableArea(std::uint64_t empty) const {
        while (empty != 0) {
            std::uint64_t area = empty & -empty;
            for (std::uint64_t front = area; front != 0;) {
                front = Around(front) & empty & ~area;
                area |= front;
            }
            if (std::popcount(area) % kElementCells != 0) {
                return true;
            }
            empty &= ~area;
        }
        return false;
    }

    bool Stopped() {
        if (stopped) {
            return true;
        }
        if ((options.maxGuesses != 0 && measure.guesses >= options.maxGuesses) ||
            (options.maxCovers != 0 && measure.covers >= options.maxCovers) ||
            (options.maxDeadEnds != 0 && measure.deadEnds >= options.maxDeadEnds)) {
            stopped = true;
        } else if ((measure.guesses & kCheckInterval) == 0 && options.keepGoing &&
                   !options.keepGoing()) {
            stopped = true;
        }
        if (stopped) {
            measure.complete = false;
        }
        return stopped;
    }

    // Makes every forced move from the position, then guesses among the fewest options.
    // possible: the moves that were possible before, a superset of those possible now.
    void Explore(std::uint64_t empty, unsigned freeElements, const std::vector<int>& possible,
                 std::size_t depth) {
        std::vector<int>& list = lists[depth];
        list = possible;
        while (true) {
            if (empty == 0) {
                ++measure.covers;
                return;
            }
            if (HasUnfillableArea(empty)) {
                ++measure.deadEnds;
                return;
            }
            std::array<int, 64> cellCount{};
            std::array<int, 64> cellMove{};
            std::array<int, kElementCount> elementCount{};
            std::array<int, kElementCount> elementMove{};
            std::size_t kept = 0;
            for (int index : list) {
                const Move& move = solver.moves[index];
                if ((freeElements & (1u << move.element)) == 0 || (move.mask & ~empty) != 0 ||
                    WallsOffPocket(move, empty)) {
                    continue;
                }
                list[kept++] = index;
                ++elementCount[move.element];
                elementMove[move.element] = index;
                for (std::uint64_t m = move.mask; m != 0; m &= m - 1) {
                    const int cell = std::countr_zero(m);
                    ++cellCount[cell];
                    cellMove[cell] = index;
                }
            }
            list.resize(kept);

            // The most constrained cell or element: with no option a dead end, with one a
            // forced move, else where a guess has the fewest options.
            int fewest = 1 << 30;
            int forced = -1;
            int guessCell = -1;
            int guessElement = -1;
            for (std::uint64_t m = empty; m != 0 && fewest > 1; m &= m - 1) {
                const int cell = std::countr_zero(m);
                if (cellCount[cell] < fewest) {
                    fewest = cellCount[cell];
                    guessCell = cell;
                    forced = cellMove[cell];
                }
            }
            for (unsigned m = freeElements; m != 0 && fewest > 1; m &= m - 1) {
                const int element = std::countr_zero(m);
                if (elementCount[element] < fewest) {
                    fewest = elementCount[element];
                    guessCell = -1;
                    guessElement = element;
                    forced = elementMove[element];
                }
            }
            if (fewest == 0) {
                ++measure.deadEnds;
                return;
            }
            if (fewest == 1) {
                ++measure.forcedMoves;
                const Move& move = solver.moves[forced];
                empty &= ~move.mask;
                freeElements &= ~(1u << move.element);
                continue;
            }

            const std::uint64_t guessMask = guessCell >= 0 ? std::uint64_t{1} << guessCell : 0;
            for (std::size_t at = 0; at < list.size(); ++at) {
                const Move& move = solver.moves[list[at]];
                const bool option =
                    guessCell >= 0 ? (move.mask & guessMask) != 0 : move.element == guessElement;
                if (!option) {
                    continue;
                }
                if (Stopped()) {
                    return;
                }
                ++measure.guesses;
                Explore(empty & ~move.mask, freeElements & ~(1u << move.element), list, depth + 1);
                if (stopped) {
                    return;
                }
            }
            return;
        }
    }

    const DeductionSolver& solver;
    const DeductionOptions& options;
    DeductionMeasure measure;
    bool stopped = false;
    std::vector<std::vector<int>> lists;
};

DeductionMeasure DeductionSolver::Solve(const DeductionOptions& options) const {
    return Search(*this, options).Run();
}

}  // namespace tessellix
