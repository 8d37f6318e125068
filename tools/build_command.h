#pragma once

#include <string>
#include <vector>

#include "tools/command.h"

namespace tessellix {

// build [--recount] SOURCE FOLDER: the shipped puzzle files, written from a readable source.
ToolCommand BuildCommand();

// "Задание имеет N решений" with the Russian plural that goes with N.
std::string RussianSolutionCount(unsigned long long count);
// "The puzzle has N solutions", "... 1 solution".
std::string EnglishSolutionCount(unsigned long long count);

}  // namespace tessellix
