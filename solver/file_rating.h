#pragma once

#include <functional>
#include <optional>
#include <string>

#include "solver/puzzle_level.h"
#include "solver/step_explainer.h"

namespace tessellix {

// The level of the puzzle file at path, rated as the tool's rate does; nothing for a file that
// cannot be read or solved as a puzzle, or when keepGoing stopped the rating.
std::optional<Level> RatePuzzleFile(const std::string& path,
                                    const std::function<bool()>& keepGoing = {});

// The figures of the solution path of the puzzle file at path, for the reason given with its
// level; nothing for a file that cannot be read.
std::optional<PathSummary> PuzzleFilePathSummary(const std::string& path);

}  // namespace tessellix
