#pragma once

#include <string>

#include "tools/command.h"

namespace tessellix {

// generate [--elements N | --letters LETTERS] [--level LEVEL] [--count K] [--seed S] FOLDER:
// new puzzles with exactly one solution at a chosen level.
ToolCommand GenerateCommand();

// Makes the folder when it is missing; what keeps puzzles from being written there, without
// the folder's name; empty when they can be.
std::string FolderToWriteProblem(const std::string& folder);

}  // namespace tessellix
