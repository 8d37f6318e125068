#include "solver/cover_search.h"

#include <algorithm>
#include <bit>

namespace tessellix {

CoverSearch::CoverSearch(const SolverRegion& region, const std::vector<Item>& items, int memoryBits)
    : grid(region.GridLayout()), line(region.LineLength()), memoBits(memoryBits) {
    const int slotCount = region.SlotCount();
    neighbours.assign(kMaskSlots, 0);
    for (int slot = 0; slot < slotCount; ++slot) {
        if (!region.IsCell(slot)) {
            continue;
        }
        regionMask |= std::uint64_t{1} << slot;
        for (int neighbour : region.Neighbours(slot)) {
            if (neighbour >= 0) {
                neighbours[slot] |= std::uint64_t{1} << neighbour;
            }
        }
        if (grid && slot % line > 0) {
            notLineStart |= std::uint64_t{1} << slot;
        }
        if (grid && slot % line < line - 1) {
            notLineEnd |= std::uint64_t{1} << slot;
        }
    }
    // Items by their lowest cell and element, in their given order.
    std::vector<std::vector<int>> buckets(static_cast<std::size_t>(slotCount) * kElements);
    for (int index = 0; index < static_cast<int>(items.size()); ++index) {
        const Item& item = items[index];
        const int cell = item.mask == 0 ? kMaskSlots : std::countr_zero(item.mask);
        if (cell < slotCount && item.element >= 0 && item.element < kElements) {
            buckets[cell * kElements + item.element].push_back(index);
        }
    }
    firstCandidate.assign(kMaskSlots + 1, 0);
    elementCandidates.assign(kMaskSlots * kElements, 0);
    for (int cell = 0; cell < slotCount; ++cell) {
        firstCandidate[cell] = static_cast<std::uint32_t>(candidates.size());
        int k = 0;
        for (int element = 0; element < kElements; ++element) {
            for (int index : buckets[cell * kElements + element]) {
                if (k == 64) {
                    break;
                }
                const std::uint64_t mask = items[index].mask;
                std::uint64_t adjacent = 0;
                for (std::uint64_t m = mask; m != 0; m &= m - 1) {
                    adjacent |= neighbours[std::countr_zero(m)];
                }
                candidates.push_back({mask, adjacent & ~mask, element, index});
                elementCandidates[cell * kElements + element] |= std::uint64_t{1} << k;
                ++k;
            }
        }
    }
    firstCandidate[slotCount] = static_cast<std::uint32_t>(candidates.size());
    BuildFitTables(slotCount);
    if (memoBits > 0) {
        memo.assign(std::size_t{1} << memoBits, MemoEntry{});
    }
}

// Table entry for a run of kChunkBits board bits: the candidates that cover none of the set
// bits. Built bit by bit: the entry of a pattern is that of the pattern without its lowest
// bit, less the candidates covering that bit.
void CoverSearch::BuildFitTables(int slotCount) {
    int span = 0;
    for (const Candidate& c : candidates) {
        span = std::max(span, 63 - std::countl_zero(c.mask) - std::countr_zero(c.mask));
    }
    chunks = std::max(1, (span + kChunkBits - 1) / kChunkBits);
    constexpr int kPatterns = 1 << kChunkBits;
    fitTables.assign(static_cast<std::size_t>(chunks) * 64 * kPatterns, ~std::uint64_t{0});
    for (int cell = 0; cell < slotCount; ++cell) {
        const Candidate* c = CandidatesAt(cell);
        const int count = static_cast<int>(firstCandidate[cell + 1] - firstCandidate[cell]);
        for (int chunk = 0; chunk < chunks; ++chunk) {
            std::uint64_t clear[kChunkBits];
            for (int bit = 0; bit < kChunkBits; ++bit) {
                const int slot = cell + 1 + chunk * kChunkBits + bit;
                clear[bit] = ~std::uint64_t{0};
                for (int k = 0; k < count && slot < 64; ++k) {
                    if ((c[k].mask >> slot) & 1) {
                        clear[bit] &= ~(std::uint64_t{1} << k);
                    }
                }
            }
            std::uint64_t* table =
                &fitTables[(static_cast<std::size_t>(chunk) * 64 + cell) * kPatterns];
            for (int pattern = 1; pattern < kPatterns; ++pattern) {
                table[pattern] = table[pattern & (pattern - 1)] &
                                 clear[std::countr_zero(static_cast<unsigned>(pattern))];
            }
        }
    }
}

std::uint64_t CoverSearch::Fitting(std::uint64_t board, unsigned freeElements, int cell) const {
    std::uint64_t fitting = 0;
    for (unsigned rest = freeElements; rest != 0; rest &= rest - 1) {
        fitting |= elementCandidates[cell * kElements + std::countr_zero(rest)];
    }
    // The cell itself is empty and every lower one full: only the bits above it matter.
    std::uint64_t window = cell < 63 ? board >> (cell + 1) : 0;
    const std::uint64_t* table = &fitTables[static_cast<std::size_t>(cell) << kChunkBits];
    for (int chunk = 0; chunk < chunks; ++chunk) {
        fitting &= table[window & ((1u << kChunkBits) - 1)];
        window >>= kChunkBits;
        table += std::size_t{64} << kChunkBits;
    }
    return fitting;
}

// A cell with no empty neighbour, or two cells that only have each other, can never be covered.
template <bool kGrid>
bool CoverSearch::LeavesHole(std::uint64_t board, std::uint64_t adjacent) const {
    const std::uint64_t empty = ~board & regionMask;
    if constexpr (kGrid) {
        // Per slot, whether its neighbour in each direction is an empty cell.
        const std::uint64_t up = (empty << 1) & notLineStart;
        const std::uint64_t down = (empty >> 1) & notLineEnd;
        const std::uint64_t back = empty << line;
        const std::uint64_t ahead = empty >> line;
        const std::uint64_t along = up | down;
        const std::uint64_t across = back | ahead;
        const std::uint64_t some = along | across;
        const std::uint64_t several = (up & down) | (back & ahead) | (along & across);
        const std::uint64_t single = empty & some & ~several;
        const std::uint64_t pair = single & ((ahead & (single >> line)) | (down & (single >> 1)));
        return ((empty & ~some) | pair) != 0;
    } else {
        for (std::uint64_t open = adjacent & empty; open != 0; open &= open - 1) {
            const int cell = std::countr_zero(open);
            const std::uint64_t around = neighbours[cell] & empty;
            if (around == 0) {
                return true;
            }
            if ((around & (around - 1)) == 0 &&
                (neighbours[std::countr_zero(around)] & empty) == (std::uint64_t{1} << cell)) {
                return true;
            }
        }
        return false;
    }
}

bool CoverSearch::CheckIn() {
    if (checkIn && !checkIn()) {
        stopped = true;
    }
    return !stopped;
}

void CoverSearch::Count(std::uint64_t filled, unsigned freeElements, std::uint64_t limit) {
    stopped = false;
    stopAt = limit == 0 || found > ~limit ? ~std::uint64_t{0} : found + limit;
    const int left = std::popcount(freeElements);
    if (grid) {
        CountFrom<true>(filled | ~regionMask, freeElements, left);
    } else {
        CountFrom<false>(filled | ~regionMask, freeElements, left);
    }
}

template <bool kGrid>
void CoverSearch::CountFrom(std::uint64_t board, unsigned freeElements, int left) {
    if (board == ~std::uint64_t{0}) {
        stopped = ++found >= stopAt;
        return;
    }
    if ((++nodes & kCheckInterval) == 0 && !CheckIn()) {
        return;
    }
    const int cell = std::countr_zero(~board);

    // Below the first empty cell every bit is set, so from cell 12 on the low twelve bits of
    // the board can carry the set of free elements and the key stays one word.
    MemoEntry* entry = nullptr;
    std::uint64_t key = 0;
    if (!memo.empty() && cell >= kElements && left >= kMemoLowest && left <= kMemoHighest) {
        key = (board & ~std::uint64_t{(1u << kElements) - 1}) | freeElements;
        entry = &memo[(key * 0x9E3779B97F4A7C15ULL) >> (64 - memoBits)];
        if (entry->key == key) {
            found += entry->count;
            stopped = found >= stopAt;
            return;
        }
    }
    const std::uint64_t foundBefore = found;

    const Candidate* c = CandidatesAt(cell);
    for (std::uint64_t fitting = Fitting(board, freeElements, cell); fitting != 0;
         fitting &= fitting - 1) {
        const Candidate& candidate = c[std::countr_zero(fitting)];
        const std::uint64_t next = board | candidate.mask;
        if (LeavesHole<kGrid>(next, candidate.adjacent)) {
            continue;
        }
        CountFrom<kGrid>(next, freeElements & ~(1u << candidate.element), left - 1);
        if (stopped) {
            return;
        }
    }
    if (entry != nullptr) {
        *entry = {key, found - foundBefore};
    }
}

bool CoverSearch::Enumerate(std::uint64_t filled, unsigned freeElements,
                            const std::function<bool(const std::vector<int>&)>& visit) {
    stopped = false;
    chosen.clear();
    return EnumerateFrom(filled | ~regionMask, freeElements, visit);
}

bool CoverSearch::EnumerateFrom(std::uint64_t board, unsigned freeElements,
                                const std::function<bool(const std::vector<int>&)>& visit) {
    if (board == ~std::uint64_t{0}) {
        ++found;
        if (!visit(chosen)) {
            stopped = true;
        }
        return !stopped;
    }
    if ((++nodes & kCheckInterval) == 0 && !CheckIn()) {
        return false;
    }
    const int cell = std::countr_zero(~board);
    const Candidate* c = CandidatesAt(cell);
    for (std::uint64_t fitting = Fitting(board, freeElements, cell); fitting != 0;
         fitting &= fitting - 1) {
        const Candidate& candidate = c[std::countr_zero(fitting)];
        const std::uint64_t next = board | candidate.mask;
        if (grid ? LeavesHole<true>(next, candidate.adjacent)
                 : LeavesHole<false>(next, candidate.adjacent)) {
            continue;
        }
        chosen.push_back(candidate.item);
        const bool goOn = EnumerateFrom(next, freeElements & ~(1u << candidate.element), visit);
        chosen.pop_back();
        if (!goOn) {
            return false;
        }
    }
    return true;
}

}  // namespace tessellix
