#include "library/same_puzzle.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace tessellix {

namespace {

// The cells as rows and columns from the top-left corner of their bounding box, in grid order.
std::vector<std::pair<int, int>> PlacedCells(const std::vector<int>& grid) {
    std::vector<std::pair<int, int>> cells;
    int top = kGridSide;
    int left = kGridSide;
    const std::size_t size = std::min<std::size_t>(grid.size(), kGridSide * kGridSide);
    for (std::size_t i = 0; i < size; ++i) {
        if (grid[i] != 0) {
            cells.emplace_back(static_cast<int>(i) / kGridSide, static_cast<int>(i) % kGridSide);
            top = std::min(top, cells.back().first);
            left = std::min(left, cells.back().second);
        }
    }
    for (auto& [row, column] : cells) {
        row -= top;
        column -= left;
    }
    return cells;
}

}  // namespace

bool SameShapeAndElements(const PuzzleFileData& a, const PuzzleFileData& b) {
    for (int i = 0; i < kElementRecordCount; ++i) {
        if (a.elements[i].used != b.elements[i].used) {
            return false;
        }
    }
    return PlacedCells(a.grid) == PlacedCells(b.grid);
}

int PositionOfSamePuzzle(const PuzzleLibrary& library, const PuzzleFileData& data) {
    int position = 0;
    for (const PuzzleRecord& record : library) {
        const PuzzleFileContents contents = ReadPuzzleFile(library.PathOf(record));
        if (StandingOf(contents, SignatureCheck::Skipped) == PuzzleStanding::Playable &&
            SameShapeAndElements(contents.data, data)) {
            return position;
        }
        ++position;
    }
    return -1;
}

}  // namespace tessellix
