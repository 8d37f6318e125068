#pragma once

#include <istream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "library/bilingual_text.h"
#include "library/failure.h"

namespace tessellix {

// The readable source of puzzle files that `build` writes from: puzzles, each starting with a
// line "puzzle N", with keys for names, notes, elements, count and position, and the shape's
// picture between "shape" and "end"; lines starting with # are comments.

// One puzzle of the source, as written there.
struct SourcePuzzle {
    int line = 0;  // of its "puzzle" line
    int number = 0;
    BilingualText names;
    BilingualText notes;                      // comment text before the count of solutions
    unsigned elements = 0;                    // bit i: element i is used
    bool count = false;                       // "count yes" or "count N"
    std::optional<unsigned long long> given;  // "count N": the figure counted before
    std::optional<std::pair<int, int>> at;    // column, row of the picture's corner
    std::vector<std::string> picture;
};

// The puzzles of a puzzle source, or the message "SOURCE:LINE: what is wrong", sourceName
// standing for SOURCE. Numbers are plain decimal digits that fit their field, and each puzzle
// number is used once.
Result<std::vector<SourcePuzzle>> ParsePuzzleSource(std::istream& in,
                                                    const std::string& sourceName);

// The puzzle's cells on the 31 x 31 file grid, placed on the editor's 31 x 19 canvas as build
// places them; the message "puzzle N: what is wrong" when the shape does not fit the canvas.
Result<std::vector<int>> SourceGrid(const SourcePuzzle& puzzle);

}  // namespace tessellix
