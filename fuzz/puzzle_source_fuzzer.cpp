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
#include "tools/tool_text.h"

namespace tessellix {

namespace {

bool IsCell(char c) {
    return c == 'X' || c == '#';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream in(text);
    const Result<std::vector<SourcePuzzle>> parsed = ParsePuzzleSource(in, "source");
    if (!parsed) {
        const std::string& error = ToolWords(parsed.Error());
        FUZZ_CHECK(error.rfind("source:", 0) == 0);
        const long lines = std::count(text.begin(), text.end(), '\n') + 1;
        FUZZ_CHECK(std::stol(error.substr(7)) >= 1 && std::stol(error.substr(7)) <= lines);
        return 0;
    }
    std::set<int> numbers;
    for (const SourcePuzzle& puzzle : *parsed) {
        FUZZ_CHECK(puzzle.number >= 1 && numbers.insert(puzzle.number).second);
        const Result<std::vector<int>> cells = SourceGrid(puzzle);
        if (!cells) {
            continue;
        }
        const std::vector<int>& grid = *cells;
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
