#include "solver/completion_counter.h"

#include <algorithm>
#include <bit>
#include <map>

#include "model/element.h"
#include "model/element_set.h"

namespace tessellix {

namespace {

constexpr std::uint64_t kNoLimit = ~std::uint64_t{0};
// Remembered counts of each cover search: enough for a board, small enough to clear fast.
constexpr int kMemoBits = 14;
// Once this few elements are left, the plain cover search counts faster than choosing where to
// branch at every position.
constexpr int kHandOverAt = 8;
// Positions remembered across questions; beyond this many the memory starts afresh, so that a
// long game does not grow it without end.
constexpr std::size_t kKnownLimit = std::size_t{1} << 20;

std::uint64_t Bit(int slot) {
    return std::uint64_t{1} << slot;
}

// a * b, or kNoLimit when that does not fit.
std::uint64_t SaturatingProduct(std::uint64_t a, std::uint64_t b) {
    return b != 0 && a > kNoLimit / b ? kNoLimit : a * b;
}

}  // namespace

CompletionCounter::CompletionCounter(const TilingSolver& solver) : solver(solver) {
    const SolverRegion& region = solver.Region();
    neighbours.assign(region.SlotCount(), 0);
    for (int slot = 0; slot < region.SlotCount(); ++slot) {
        if (!region.IsCell(slot)) {
            continue;
        }
        cells |= Bit(slot);
        for (int neighbour : region.Neighbours(slot)) {
            if (neighbour >= 0) {
                neighbours[slot] |= Bit(neighbour);
            }
        }
    }
    for (const TilingSolver::PlacementInfo& info : solver.Placements()) {
        items.push_back({info.mask, info.element});
    }
    for (int index = 0; index < static_cast<int>(frames.size()); ++index) {
        frames[index] = MirroredFrame(index);
    }
}

CompletionCounter::~CompletionCounter() = default;

// Frame 0 is the region itself; frames 1 to 3 mirror it left to right, top to bottom, or both.
// A mirror keeps the box's sides, so each frame fills along the same short side from another
// corner.
CompletionCounter::Frame CompletionCounter::MirroredFrame(int index) const {
    const SolverRegion& region = solver.Region();
    const int rows = region.Rows();
    const int columns = region.Columns();
    const int side = std::max(rows, columns);
    const auto mirrored = [&](int r, int c) {
        return RegionCell{(index & 2) != 0 ? rows - 1 - r : r,
                          (index & 1) != 0 ? columns - 1 - c : c};
    };
    std::vector<int> grid(static_cast<std::size_t>(side) * side, 0);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            if (region.IndexOf(r, c) >= 0) {
                const RegionCell image = mirrored(r, c);
                grid[static_cast<std::size_t>(image.row) * side + image.column] = 1;
            }
        }
    }
    Frame frame;
    frame.region = std::make_unique<SolverRegion>(grid, side);
    frame.slotOf.assign(region.SlotCount(), -1);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            if (const int slot = region.IndexOf(r, c); slot >= 0) {
                const RegionCell at = mirrored(r, c);
                frame.slotOf[slot] = frame.region->IndexOf(at.row, at.column);
            }
        }
    }
    return frame;
}

CoverSearch& CompletionCounter::SearchOf(Frame& frame) {
    if (!frame.search) {
        std::vector<CoverSearch::Item> mapped = items;
        for (CoverSearch::Item& item : mapped) {
            item.mask = MapMask(item.mask, frame);
        }
        frame.search = std::make_unique<CoverSearch>(*frame.region, mapped, kMemoBits);
    }
    return *frame.search;
}

std::uint64_t CompletionCounter::MapMask(std::uint64_t mask, const Frame& frame) const {
    std::uint64_t image = 0;
    for (; mask != 0; mask &= mask - 1) {
        image |= Bit(frame.slotOf[std::countr_zero(mask)]);
    }
    return image;
}

std::vector<std::uint64_t> CompletionCounter::Areas(std::uint64_t empty) const {
    std::vector<std::uint64_t> areas;
    while (empty != 0) {
        std::uint64_t area = empty & -empty;
        for (std::uint64_t front = area; front != 0;) {
            std::uint64_t around = 0;
            for (; front != 0; front &= front - 1) {
                around |= neighbours[std::countr_zero(front)];
            }
            front = around & empty & ~area;
            area |= front;
        }
        areas.push_back(area);
        empty &= ~area;
    }
    std::sort(areas.begin(), areas.end(),
              [](std::uint64_t a, std::uint64_t b) { return std::popcount(a) < std::popcount(b); });
    return areas;
}

// A cell or an element without a fitting placement ends the search; one with a single fitting
// placement forces it; otherwise the fewest options are tried.
CompletionCounter::Branching CompletionCounter::ChooseBranch(Position position) const {
    const std::uint64_t empty = cells & ~position.filled;
    std::array<int, 64> cellOptions{};
    std::array<int, ElementSet::kCount> elementOptions{};
    std::vector<int> fitting;
    for (int index = 0; index < static_cast<int>(items.size()); ++index) {
        const CoverSearch::Item& item = items[index];
        if ((position.free & (1u << item.element)) != 0 && (item.mask & ~empty) == 0) {
            fitting.push_back(index);
            ++elementOptions[item.element];
            for (std::uint64_t m = item.mask; m != 0; m &= m - 1) {
                ++cellOptions[std::countr_zero(m)];
            }
        }
    }
    int fewest = 1 << 30;
    std::uint64_t cell = 0;
    int element = -1;
    for (std::uint64_t m = empty; m != 0; m &= m - 1) {
        if (cellOptions[std::countr_zero(m)] < fewest) {
            fewest = cellOptions[std::countr_zero(m)];
            cell = m & -m;
        }
    }
    for (unsigned m = position.free; m != 0; m &= m - 1) {
        if (elementOptions[std::countr_zero(m)] < fewest) {
            fewest = elementOptions[std::countr_zero(m)];
            element = std::countr_zero(m);
        }
    }
    Branching branching;
    branching.forced = fewest == 1;
    if (fewest == 0) {
        return branching;
    }
    for (int index : fitting) {
        if (element >= 0 ? items[index].element == element : (items[index].mask & cell) != 0) {
            branching.options.push_back(index);
        }
    }
    return branching;
}

std::uint64_t CompletionCounter::Count(Position position, std::uint64_t limit) {
    if (limit == 0) {
        limit = kNoLimit;
    }
    if ((cells & ~position.filled) == 0) {
        return 1;
    }
    if (const auto seen = known.find(position); seen != known.end()) {
        if (seen->second.exact || seen->second.count >= limit) {
            return std::min(seen->second.count, limit);
        }
    }
    const std::uint64_t count = Search(position, limit);
    if (known.size() >= kKnownLimit) {
        known.clear();
    }
    known[position] = {count, count < limit};
    return std::min(count, limit);
}

std::uint64_t CompletionCounter::Search(Position position, std::uint64_t limit) {
    const std::vector<std::uint64_t> areas = Areas(cells & ~position.filled);
    for (std::uint64_t area : areas) {
        if (std::popcount(area) % kElementCells != 0) {
            return 0;
        }
    }
    if (areas.size() > 1) {
        return SplitAreas(position, areas, limit);
    }
    const Branching branching = ChooseBranch(position);
    if (branching.options.empty()) {
        return 0;
    }
    if (!branching.forced && std::popcount(position.free) <= kHandOverAt) {
        return CoverSearchCount(position, limit);
    }
    std::uint64_t total = 0;
    for (int index : branching.options) {
        const CoverSearch::Item& item = items[index];
        total += Count({position.filled | item.mask, position.free & ~(1u << item.element)},
                       limit - total);
        if (total >= limit) {
            break;
        }
    }
    return total;
}

// Areas apart from each other share only the free elements, so the smallest one is tiled on
// its own first and the rest counted once for each set of elements it can take. A far corner
// that cannot be filled is then found at once, not after every way of filling the near side.
std::uint64_t CompletionCounter::SplitAreas(Position position,
                                            const std::vector<std::uint64_t>& areas,
                                            std::uint64_t limit) {
    const std::uint64_t smallest = areas.front();
    std::map<unsigned, std::uint64_t> tilingsBySet;
    Frame& frame = frames[0];
    SearchOf(frame).Enumerate(MapMask(cells & ~smallest, frame), position.free,
                              [&](const std::vector<int>& chosen) {
                                  unsigned set = 0;
                                  for (int item : chosen) {
                                      set |= 1u << items[item].element;
                                  }
                                  ++tilingsBySet[set];
                                  return true;
                              });
    std::uint64_t total = 0;
    for (const auto& [set, tilings] : tilingsBySet) {
        const std::uint64_t wanted = (limit - total + tilings - 1) / tilings;
        const std::uint64_t rest =
            Count({position.filled | smallest, position.free & ~set}, wanted);
        total = std::min(limit, total + SaturatingProduct(tilings, rest));
        if (total >= limit) {
            break;
        }
    }
    return total;
}

// The cover search fills the lowest empty slot first, so it meets the covered cells soonest in
// the frame where they hold the lowest slots.
std::uint64_t CompletionCounter::CoverSearchCount(Position position, std::uint64_t limit) {
    int best = 0;
    long bestScore = -1;
    for (int index = 0; index < static_cast<int>(frames.size()); ++index) {
        long score = 0;
        const Frame& frame = frames[index];
        for (std::uint64_t m = position.filled; m != 0; m &= m - 1) {
            score += frame.slotOf[std::countr_zero(m)];
        }
        if (bestScore < 0 || score < bestScore) {
            best = index;
            bestScore = score;
        }
    }
    Frame& frame = frames[best];
    CoverSearch& search = SearchOf(frame);
    const std::uint64_t before = search.Found();
    search.Count(MapMask(position.filled, frame), position.free, limit);
    return search.Found() - before;
}

}  // namespace tessellix
