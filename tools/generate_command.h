#pragma once

#include <string>

#include "tools/command.h"

namespace tessellix {

// generate [--elements N | --letters LETTERS] [--level LEVEL] [--shape STYLE] [--count K]
// [--seed S] FOLDER:
// new puzzles with exactly one solution at a chosen level.
ToolCommand GenerateCommand();

}  // namespace tessellix
