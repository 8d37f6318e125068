#pragma once

#include "tools/command.h"

namespace tessellix {

// decode CODE|- FOLDER: the puzzle file of a puzzle code.
ToolCommand DecodeCommand();

}  // namespace tessellix
