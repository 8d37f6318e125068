#pragma once

#include "tools/command.h"

namespace tessellix {

// rate [--json] FILE|FOLDER: how hard a puzzle, or each puzzle of a data folder, is to deduce.
ToolCommand RateCommand();

}  // namespace tessellix
