#pragma once

#include <string>
#include <vector>

#include "tools/command.h"
#include "tools/puzzle_input.h"

namespace tessellix {

// check [--require-solutions] FOLDER: every problem that the game or a player would meet in a data
// folder.
ToolCommand CheckCommand();

// True when some used element of the loaded puzzle carries a stored placement.
bool HasStoredSolution(const ToolPuzzle& puzzle);

// Replays the stored solution of a loaded puzzle with the game's own element code; one line
// per problem, without the file name. Empty when every used element has a placement and
// together they cover every cell exactly once.
std::vector<std::string> StoredSolutionProblems(ToolPuzzle& puzzle);

}  // namespace tessellix
