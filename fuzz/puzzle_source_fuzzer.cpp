// Any text as the source of `tessellix-puzzle build`. A source that reads gives puzzles with
// numbers used once and, where a shape fits the editor's canvas, exactly its drawn cells on it;
// one that does not read says where.

#include <algorithm>
#include <set>
#include <sstream>
#include <string>

#include "fuzz/fuzz_support.h"
#include "library/puzzle_file.h"
#include "tools/puzzle_source.h"

namespace tessellix {

namespace {

bool IsCell(char c) {
    return c == 'X' || c == '#';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream in(text);
    std::vector<SourcePuzzle> puzzles;
    std::string error;
    if (!ParsePuzzleSource(in, "source", puzzles, error)) {
        FUZZ_CHECK(error.rfind("source:", 0) == 0);
        const long lines = std::count(text.begin(), text.end(), '\n') + 1;
        FUZZ_CHECK(std::stol(error.substr(7)) >= 1 && std::stol(error.substr(7)) <= lines);
        return 0;
    }
    std::set<int> numbers;
    for (const SourcePuzzle& puzzle : puzzles) {
        FUZZ_CHECK(puzzle.number >= 1 && numbers.insert(puzzle.number).second);
        std::vector<int> grid;
        if (!SourceGrid(puzzle, grid, error)) {
            continue;
        }
        FUZZ_CHECK(grid.size() == static_cast<std::size_t>(kGridSide * kGridSide));
        long drawn = 0;
        for (const std::string& row : puzzle.picture) {
            drawn += std::count_if(row.begin(), row.end(), IsCell);
        }
        FUZZ_CHECK(std::count(grid.begin(), grid.end(), 1) == drawn);
        FUZZ_CHECK(std::all_of(grid.begin() + kCanvasRows * kGridSide, grid.end(),
                               [](int cell) { return cell == 0; }));
    }
    return 0;
}

}  // namespace tessellix
