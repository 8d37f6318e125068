#pragma once

#include <string>

#include "library/loaded_puzzle.h"
#include "tools/command.h"

namespace tessellix {

// show [--json] FILE: one puzzle file as a person reads it, or as JSON.
ToolCommand ShowCommand();

// Exactly what `show FILE` prints for the loaded puzzle.
std::string ShowText(const LoadedPuzzle& puzzle);
// Exactly what `show --json FILE` prints, without the closing newline.
std::string ShowJson(const LoadedPuzzle& puzzle);

}  // namespace tessellix
