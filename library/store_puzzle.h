#pragma once

#include <optional>

#include "library/failure.h"
#include "library/puzzle_file.h"
#include "library/puzzle_library.h"
#include "library/settings.h"

namespace tessellix {

// A puzzle file joins the library, from the editor or the generator: data is written as the file
// of record in the library's data folder, and record takes the place of the record at `replaces`
// or, without one, its place in the order. The puzzle is new to the player, so a solved mark, a
// kept board and records that its name kept (its file deleted or replaced outside the game) go.
// Returns the record's position; on a failure to write, the library, the marks and the old file
// stay as they were.
Result<int> StorePuzzle(PuzzleLibrary& library, Settings& settings, const PuzzleRecord& record,
                        const PuzzleFileData& data, std::optional<int> replaces = std::nullopt);

}  // namespace tessellix
