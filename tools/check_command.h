#pragma once

#include <string>
#include <vector>

#include "library/loaded_puzzle.h"
#include "tools/command.h"

namespace tessellix {

// check [--require-solutions] FOLDER: every problem that the game or a player would meet in a data
// folder.
ToolCommand CheckCommand();

// Replays the stored solution of a loaded puzzle with the game's own element code; one line
// per problem, without the file name. Empty when every used element has a placement and
// together they cover every cell exactly once.
std::vector<std::string> StoredSolutionProblems(const LoadedPuzzle& puzzle);

}  // namespace tessellix
