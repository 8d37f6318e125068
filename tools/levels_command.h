#pragma once

#include "tools/command.h"

namespace tessellix {

// levels FOLDER: the levels table that the game ships beside the puzzles of a data folder.
ToolCommand LevelsCommand();

}  // namespace tessellix
