#pragma once

#include "tools/command.h"

namespace tessellix {

// list [--json] FOLDER: the library that the game builds from a data folder.
ToolCommand ListCommand();

}  // namespace tessellix
