#pragma once

#include "tools/command.h"

namespace tessellix {

// code FILE: the puzzle as one line of text, to pass on.
ToolCommand CodeCommand();

}  // namespace tessellix
