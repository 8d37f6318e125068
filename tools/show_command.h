#pragma once

#include <string>

#include "tools/command.h"
#include "tools/puzzle_input.h"

namespace tessellix {

// show [--json] FILE: one puzzle file as a person reads it, or as JSON.
ToolCommand ShowCommand();

// Exactly what `show FILE` prints for the loaded puzzle.
std::string ShowText(const ToolPuzzle& puzzle);
// Exactly what `show --json FILE` prints, without the closing newline.
std::string ShowJson(const ToolPuzzle& puzzle);

}  // namespace tessellix
