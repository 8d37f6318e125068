#include "model/board_summary.h"

#include <algorithm>
#include <string>

#include "model/board_places.h"
#include "model/element.h"
#include "model/play_session.h"

namespace tessellix {

namespace {

BilingualText FreeCellsText(std::size_t free, std::size_t regions) {
    const std::string cells = std::to_string(free);
    const std::string count = std::to_string(regions);
    return BilingualText()
        .Say(
            cells + " " +
                RussianCountForm(free, "свободная клетка", "свободные клетки", "свободных клеток") +
                " в " + count + " " + RussianCountForm(regions, "области", "областях", "областях"),
            cells + (free == 1 ? " free cell" : " free cells") + " in " + count +
                (regions == 1 ? " region" : " regions"))
        .Add(": ");
}

BilingualText RegionText(const std::vector<GridCell>& region, const BoardPlaces& places) {
    const std::string size = std::to_string(region.size());
    BilingualText text = BilingualText().Say(size + " от ", size + " from ");
    text.Add(PlaceOfText(*places.PlaceOf(region.front())));
    if (region.size() % kElementCells != 0) {
        text.Say(", её не заполнить", ", which cannot be filled");
    }
    return text;
}

BilingualText LeftText(const std::vector<int>& left) {
    if (left.empty()) {
        return {"Элементов не осталось.", "No elements left."};
    }
    std::string letters;
    for (const int element : left) {
        letters += kElementLetters[element];
    }
    std::sort(letters.begin(), letters.end());
    std::string list;
    for (const char letter : letters) {
        list += (list.empty() ? "" : ", ") + std::string(1, letter);
    }
    return BilingualText().Say("Осталось: ", "Left: ").Add(list + ".");
}

}  // namespace

BilingualText BoardSummary(const std::vector<int>& cells, int side, const std::vector<int>& left) {
    const std::vector<std::vector<GridCell>> regions = FreeRegions(cells, side);
    BilingualText text;
    if (regions.empty()) {
        text.Say("Свободных клеток нет.", "No free cells.");
    } else {
        const BoardPlaces places(cells, side);
        std::size_t free = 0;
        for (const std::vector<GridCell>& region : regions) {
            free += region.size();
        }
        text.Add(FreeCellsText(free, regions.size()));
        for (std::size_t i = 0; i < regions.size(); ++i) {
            text.Add(i == 0 ? "" : "; ").Add(RegionText(regions[i], places));
        }
        text.Add(".");
    }
    return text.Add(" ").Add(LeftText(left));
}

BilingualText BoardSummary(const PlaySession& session) {
    std::vector<int> left;
    const std::vector<int>& placed = session.PlacedInOrder();
    for (const Element& element : session.Elements()) {
        if (element.excluded == 0 &&
            std::find(placed.begin(), placed.end(), element.id) == placed.end()) {
            left.push_back(element.id);
        }
    }
    const PuzzleShape& puzzle = session.Puzzle();
    return BoardSummary(puzzle.cells, puzzle.side, left);
}

}  // namespace tessellix
