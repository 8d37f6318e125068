#pragma once

#include <array>
#include <optional>
#include <string>

#include "library/puzzle_file.h"
#include "solver/tiling_solver.h"
#include "tools/command.h"

namespace tessellix {

// solve [--count] [--store] [--json] FILE: a solution of a puzzle file, the number of its
// solutions, or a solution stored into the file as the game stores a player's.
ToolCommand SolveCommand();

// Bit i set when the puzzle uses element i.
unsigned UsedElementMask(const std::array<ElementRecord, kElementRecordCount>& records);

// Why the solver cannot take the puzzle, one line without the file name; empty when it can.
std::string SolverProblemText(const TilingSolver& solver);

}  // namespace tessellix
