#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "solver/solver_region.h"

namespace tessellix {

// Exact cover of a region of at most 64 slots by five-cell placements, each element used
// once: the hot loop of the solver. Slots are bits of one word. The search always fills the
// lowest empty cell, trying only the placements whose lowest cell it is; which of those fit
// is read from tables indexed by the board bits that follow the cell, a few bits at a time.
// Positions that leave a hole of one or two cells are dropped, and the counts of positions
// near the end of the search are remembered, since many ways of filling the same cells with
// the same elements lead to the same rest.
class CoverSearch {
  public:
    struct Item {
        std::uint64_t mask = 0;  // the five cells' slots
        int element = 0;         // 0..11
    };

    // region.SlotCount() <= 64. memoBits: log2 of the number of remembered counts, 0 for none.
    CoverSearch(const SolverRegion& region, const std::vector<Item>& items, int memoBits = 16);

    // Asked every few thousand positions; returning false stops the search.
    void SetCheckIn(std::function<bool()> keepGoing) { checkIn = std::move(keepGoing); }
    bool Stopped() const { return stopped; }

    // Covers of the cells not in `filled` using every element of `freeElements` exactly once,
    // added to Found(), which keeps counting across calls. With a limit, the count stops
    // (Stopped()) once this call has found that many; the remembered counts stay exact, so
    // later calls may rely on them.
    void Count(std::uint64_t filled, unsigned freeElements, std::uint64_t limit = 0);
    std::uint64_t Found() const { return found; }

    // Calls visit with the indices of the items of each cover, until it returns false; false
    // when the search was stopped that way or by the check-in.
    bool Enumerate(std::uint64_t filled, unsigned freeElements,
                   const std::function<bool(const std::vector<int>&)>& visit);

  private:
    struct Candidate {
        std::uint64_t mask;
        std::uint64_t adjacent;  // cells next to the piece, where a new hole can open
        int element;
        int item;
    };
    struct MemoEntry {
        std::uint64_t key = 0;  // 0: empty; a real key always has its low bits set
        std::uint64_t count = 0;
    };
    static constexpr int kElements = 12;
    static constexpr int kChunkBits = 5;
    static constexpr std::uint64_t kCheckInterval = 0xFFF;
    static constexpr int kMemoLowest = 2;   // remembered while this many elements or more
    static constexpr int kMemoHighest = 7;  // ... and at most this many are left

    const Candidate* CandidatesAt(int cell) const {
        return candidates.data() + firstCandidate[cell];
    }
    void BuildFitTables(int slotCount);
    // Bit k set when candidate k of the cell fits on the board and its element is free.
    std::uint64_t Fitting(std::uint64_t board, unsigned freeElements, int cell) const;
    template <bool kGrid>
    bool LeavesHole(std::uint64_t board, std::uint64_t adjacent) const;
    bool CheckIn();
    // left: the number of free elements
    template <bool kGrid>
    void CountFrom(std::uint64_t board, unsigned freeElements, int left);
    bool EnumerateFrom(std::uint64_t board, unsigned freeElements,
                       const std::function<bool(const std::vector<int>&)>& visit);

    bool grid = false;
    int line = 0;
    std::uint64_t regionMask = 0;
    std::uint64_t notLineStart = 0;  // grid layout: cells with a neighbour one slot lower
    std::uint64_t notLineEnd = 0;
    std::vector<std::uint64_t> neighbours;
    std::vector<Candidate> candidates;             // grouped by lowest cell, at most 64 each
    std::vector<std::uint32_t> firstCandidate;     // per cell
    std::vector<std::uint64_t> elementCandidates;  // cell * 12 + element -> its candidates
    int chunks = 0;
    std::vector<std::uint64_t> fitTables;  // (chunk * 64 + cell) * 32 + bits -> candidates
    int memoBits = 0;
    std::vector<MemoEntry> memo;
    std::function<bool()> checkIn;
    std::uint64_t nodes = 0;
    std::uint64_t found = 0;
    std::uint64_t stopAt = ~std::uint64_t{0};  // Found() at which a limited count stops
    bool stopped = false;
    std::vector<int> chosen;
};

}  // namespace tessellix
