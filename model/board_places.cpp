#include "model/board_places.h"

#include <algorithm>
#include <string>

namespace tessellix {

BoardPlaces::BoardPlaces(const std::vector<int>& cells, int side) {
    int bottom = -1;
    int right = -1;
    top = side;
    left = side;
    for (int r = 0; r < side; ++r) {
        for (int c = 0; c < side; ++c) {
            if (cells[r * side + c] == 0)
                continue;
            top = std::min(top, r);
            left = std::min(left, c);
            bottom = std::max(bottom, r);
            right = std::max(right, c);
        }
    }
    if (bottom < 0) {
        top = left = 0;
        return;
    }
    rows = bottom - top + 1;
    columns = right - left + 1;
}

std::optional<BoardPlace> BoardPlaces::PlaceOf(GridCell cell) const {
    const int row = cell.row - top + 1;
    const int column = cell.column - left + 1;
    if (row < 1 || row > rows || column < 1 || column > columns)
        return std::nullopt;
    return BoardPlace{row, column};
}

std::vector<std::vector<GridCell>> FreeRegions(const std::vector<int>& cells, int side) {
    std::vector<int> regionOf(cells.size(), -1);
    std::vector<std::vector<GridCell>> regions;
    for (int start = 0; start < side * side; ++start) {
        if (cells[start] != 1 || regionOf[start] >= 0)
            continue;
        const int region = static_cast<int>(regions.size());
        std::vector<int> found{start};
        regionOf[start] = region;
        for (std::size_t next = 0; next < found.size(); ++next) {
            const int r = found[next] / side;
            const int c = found[next] % side;
            const int neighbours[4][2] = {{r - 1, c}, {r + 1, c}, {r, c - 1}, {r, c + 1}};
            for (const auto& [nr, nc] : neighbours) {
                if (nr < 0 || nr >= side || nc < 0 || nc >= side)
                    continue;
                const int index = nr * side + nc;
                if (cells[index] == 1 && regionOf[index] < 0) {
                    regionOf[index] = region;
                    found.push_back(index);
                }
            }
        }
        std::sort(found.begin(), found.end());
        std::vector<GridCell> regionCells;
        for (int index : found)
            regionCells.push_back({index % side, index / side});
        regions.push_back(std::move(regionCells));
    }
    return regions;
}

BilingualText PlaceText(BoardPlace place) {
    const std::string row = std::to_string(place.row);
    const std::string column = std::to_string(place.column);
    return {"ряд " + row + ", столбец " + column, "row " + row + ", column " + column};
}

BilingualText PlaceOfText(BoardPlace place) {
    const std::string row = std::to_string(place.row);
    const std::string column = std::to_string(place.column);
    return {"ряда " + row + ", столбца " + column, "row " + row + ", column " + column};
}

const char* RussianCountForm(unsigned long long count, const char* one, const char* few,
                             const char* many) {
    const unsigned long long lastTwo = count % 100;
    const unsigned long long last = count % 10;
    if (lastTwo >= 11 && lastTwo <= 14)
        return many;
    if (last == 1)
        return one;
    if (last >= 2 && last <= 4)
        return few;
    return many;
}

}  // namespace tessellix
