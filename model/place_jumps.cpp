#include "model/place_jumps.h"

#include <string>
#include <utility>
#include <vector>

#include "model/element_set.h"

namespace tessellix {

std::optional<GridCell> JumpPlace(const Element& element, const CellShape& puzzle,
                                  std::optional<PixelPoint> corner, int step) {
    std::vector<GridCell> places;
    for (int row = 0; row < puzzle.side; ++row) {
        for (int column = 0; column < puzzle.side; ++column) {
            if (element.FitsAt(puzzle, column, row)) {
                places.push_back({column, row});
            }
        }
    }
    if (places.empty()) {
        return std::nullopt;
    }
    if (!corner) {
        return step > 0 ? places.front() : places.back();
    }
    // Compared in pixels: the keys may have pushed the element against the board's edge, off
    // the puzzle's grid.
    const std::pair here{corner->y, corner->x};
    const auto at = [&puzzle](GridCell place) {
        return std::pair{puzzle.y + place.row * kCellSize, puzzle.x + place.column * kCellSize};
    };
    if (step > 0) {
        for (const GridCell place : places) {
            if (at(place) > here) {
                return place;
            }
        }
        return places.front();
    }
    for (auto place = places.rbegin(); place != places.rend(); ++place) {
        if (at(*place) < here) {
            return *place;
        }
    }
    return places.back();
}

BilingualText FitsNowhereText(int element) {
    const std::string letter(1, kElementLetters[element]);
    return {letter + " никуда не помещается", letter + " fits nowhere"};
}

}  // namespace tessellix
