#pragma once

#include "tools/command.h"

namespace tessellix {

// explain [--path] [--json] FILE: the next step on the board that the file's element records
// place, explained as the game's Explain a step does, or the puzzle's solution path of such
// steps from the empty board to a cover.
ToolCommand ExplainCommand();

}  // namespace tessellix
