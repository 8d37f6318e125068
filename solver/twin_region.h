#pragma once

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "solver/seeded_random.h"

namespace tessellix {

// A region that two sets of elements, with none in common, each cover whole. Laid beside its
// own image under a symmetry, covered by the first set on one side and by the second on the
// other, it makes a symmetric shape with a cover, whichever elements may be mirrored.
class TwinRegion {
  public:
    // first and second: bit i for element i, as many in each. The region stays within rows x
    // columns.
    TwinRegion(unsigned first, unsigned second, int rows, int columns, SeededRandom& random);

    // The region's cells as rows and columns from its top-left corner; nothing when the search
    // found none within its budget.
    std::optional<std::vector<std::pair<int, int>>> Grow();

  private:
    struct Lay;
    struct Box {
        int top = 0;
        int left = 0;
        int bottom = -1;
        int right = -1;

        Box With(int row, int column) const {
            return {std::min(top, row), std::min(left, column), std::max(bottom, row),
                    std::max(right, column)};
        }
    };

    bool Search();
    Box Bounds() const;
    bool At(int row, int column, int side) const;
    void Put(const Lay& lay, bool on);
    // The lays of one side's free elements over the cell, keeping off that side's cells and
    // within the bounds, each with how many more cells it leaves mismatched; no more than enough.
    std::vector<std::pair<int, Lay>> LaysOver(int row, int column, int side, const Box& box,
                                              std::size_t enough) const;
    // Shuffles the lays, then puts those that leave the fewest cells mismatched first.
    void Order(std::vector<std::pair<int, Lay>>& lays);

    std::vector<unsigned char> cells;  // bit 0: covered by the first set, bit 1: by the second
    unsigned left[2];
    int maxRows;
    int maxColumns;
    SeededRandom& random;
    int mismatched[2] = {0, 0};  // cells covered by that side alone
    int searched = 0;
};

}  // namespace tessellix
