#pragma once

#include <array>
#include <vector>

namespace tessellix {

// A cell of a region, relative to the top-left corner of the region's bounding box.
struct RegionCell {
    int row = 0;
    int column = 0;
    friend bool operator==(const RegionCell&, const RegionCell&) = default;
};

// The searches hold a set of slots as the bits of one std::uint64_t, so a region that they
// search has no more slots than this, and a grid layout no more positions.
inline constexpr int kMaskSlots = 64;

// The cells to be covered, numbered in the order a search fills them: line by line along the
// shorter side of the bounding box, so that the first empty cell always sits on a short front.
// When the bounding box has at most kMaskSlots cells, every position of the box gets a number
// (slot), cell or not, so that neighbours are one slot or one line apart (grid layout); otherwise
// only the cells are numbered. Also knows the region's own symmetries among the eight
// symmetries of the square.
class SolverRegion {
  public:
    // grid is n x n, row-major, nonzero for a cell of the region.
    SolverRegion(const std::vector<int>& grid, int n);

    int CellCount() const { return cellCount; }
    // Bounding box, in grid cells; all 0 for an empty region.
    int Left() const { return left; }
    int Rows() const { return rows; }
    int Columns() const { return columns; }

    // Slots are numbered 0 .. SlotCount() - 1.
    int SlotCount() const { return static_cast<int>(slotTable.size()); }
    bool GridLayout() const { return gridLayout; }
    // Slots per line in the grid layout.
    int LineLength() const { return lineLength; }

    // Slot of the cell at (row, column) of the bounding box, or -1 when that is no cell.
    int IndexOf(int row, int column) const;
    bool IsCell(int slot) const { return slotTable[slot].isCell; }
    // Up to four edge neighbours that are cells, -1 for none.
    const std::array<int, 4>& Neighbours(int slot) const { return slotTable[slot].neighbours; }

    // Every symmetry of the square that maps the region onto itself, as a permutation of the
    // cells' slotTable (other slotTable map to themselves); the identity comes first.
    const std::vector<std::vector<int>>& Symmetries() const { return symmetries; }

  private:
    struct Slot {
        RegionCell cell;
        bool isCell = false;
        std::array<int, 4> neighbours{-1, -1, -1, -1};
    };

    int cellCount = 0;
    int left = 0;
    int rows = 0;
    int columns = 0;
    bool gridLayout = false;
    int lineLength = 0;
    std::vector<int> slotByPosition;  // rows x columns, -1 outside the region
    std::vector<Slot> slotTable;
    std::vector<std::vector<int>> symmetries;
};

}  // namespace tessellix
