#pragma once

#include "tools/command.h"

namespace tessellix {

// daily [--date YYYY-MM-DD] FOLDER: the game's puzzle of the day.
ToolCommand DailyCommand();

}  // namespace tessellix
