#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "solver/cover_search.h"
#include "solver/tiling_solver.h"

namespace tessellix {

// Counts the covers of a partly covered region exactly, up to a limit, and fast where elements
// already lie scattered over it. Above the plain cover search it splits the empty cells into
// areas apart from each other, drops a position where a cell or an element has no place left,
// makes forced moves and branches where the fewest options are, as a person would; once few
// elements are left, the cover search takes over, filling from whichever corner of the region
// lies nearest to what is already covered. Counts it has found are remembered for later calls.
class CompletionCounter {
  public:
    // The covered slots of the solver's region and the elements still to place.
    struct Position {
        std::uint64_t filled = 0;
        unsigned free = 0;
        friend bool operator==(const Position&, const Position&) = default;
    };

    // solver must have no Problem() and outlive the counter.
    explicit CompletionCounter(const TilingSolver& solver);
    ~CompletionCounter();

    // The region's cells as slots of the solver's region.
    std::uint64_t Cells() const { return cells; }
    // The covers of the position's empty cells by its free elements, each used once, but no
    // more than limit: limit itself means "at least limit". Limit 0: none. A full region has
    // one cover.
    std::uint64_t Count(Position position, std::uint64_t limit);

  private:
    // The region mirrored, with a cover search of its own that fills from another corner.
    struct Frame {
        std::unique_ptr<SolverRegion> region;
        std::vector<int> slotOf;              // the solver's slot -> this frame's slot
        std::unique_ptr<CoverSearch> search;  // made when first needed
    };
    struct Known {
        std::uint64_t count = 0;
        bool exact = false;  // else at least count
    };
    struct PositionHash {
        std::size_t operator()(const Position& p) const {
            return std::hash<std::uint64_t>()(p.filled * 0x9E3779B97F4A7C15ULL ^ p.free);
        }
    };
    struct Branching {
        std::vector<int> options;  // items to try in turn; none at a dead end
        bool forced = false;       // a single option
    };

    std::uint64_t Search(Position position, std::uint64_t limit);
    std::uint64_t SplitAreas(Position position, const std::vector<std::uint64_t>& areas,
                             std::uint64_t limit);
    std::uint64_t CoverSearchCount(Position position, std::uint64_t limit);
    // Connected areas of the empty slots, smallest first.
    std::vector<std::uint64_t> Areas(std::uint64_t empty) const;
    Branching ChooseBranch(Position position) const;
    Frame MirroredFrame(int index) const;
    CoverSearch& SearchOf(Frame& frame);
    std::uint64_t MapMask(std::uint64_t mask, const Frame& frame) const;

    const TilingSolver& solver;
    std::vector<CoverSearch::Item> items;
    std::uint64_t cells = 0;
    std::vector<std::uint64_t> neighbours;  // per slot
    std::array<Frame, 4> frames;
    std::unordered_map<Position, Known, PositionHash> known;
};

}  // namespace tessellix
