#pragma once

#include "tools/command.h"

namespace tessellix {

// check-board [--json] FILE: whether the board that the file's element records place can still
// be finished, in how many ways, or which placed elements to take away.
ToolCommand CheckBoardCommand();

}  // namespace tessellix
