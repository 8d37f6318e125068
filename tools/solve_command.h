#pragma once

#include <array>
#include <optional>
#include <string>

#include "library/failure.h"
#include "library/puzzle_file.h"
#include "solver/board_questions.h"
#include "solver/tiling_solver.h"
#include "tools/command.h"

namespace tessellix {

// solve [--count] [--store] [--json] FILE: a solution of a puzzle file, the number of its
// solutions, or a solution stored into the file as the game stores a player's.
ToolCommand SolveCommand();

// Why the solver cannot take the puzzle, in the tool's words without the file name; nothing
// when it can.
std::optional<Failure> SolverRefusal(const TilingSolver& solver);

// Why questions cannot be asked of the records' board: the puzzle's problem, else the placed
// elements' refusal; nothing when they can.
std::optional<Failure> BoardRefusal(const BoardQuestions& questions,
                                    const std::vector<PlacedElement>& placed);

}  // namespace tessellix
