#pragma once

#include "library/puzzle_file.h"
#include "library/puzzle_library.h"

namespace tessellix {

// Whether two puzzles have the same cells, wherever on the grid they lie, and use the same
// elements; names, comments and stored solutions may differ.
bool SameShapeAndElements(const PuzzleFileData& a, const PuzzleFileData& b);

// The position of the first library puzzle whose file has the same shape and elements as data;
// -1 when none has. Files that cannot be read count as different.
int PositionOfSamePuzzle(const PuzzleLibrary& library, const PuzzleFileData& data);

}  // namespace tessellix
