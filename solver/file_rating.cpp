#include "solver/file_rating.h"

#include "library/loaded_puzzle.h"
#include "solver/tiling_solver.h"

namespace tessellix {

std::optional<Level> RatePuzzleFile(const std::string& path,
                                    const std::function<bool()>& keepGoing) {
    const Result<LoadedPuzzle> puzzle = LoadPuzzleFile(path);
    if (!puzzle) {
        return std::nullopt;
    }
    const TilingSolver solver(puzzle->data.grid, kGridSide, puzzle->UsedElements());
    if (solver.Problem() != SolverProblem::None) {
        return std::nullopt;
    }
    const std::optional<Rating> rating = RatePuzzle(solver, keepGoing);
    if (!rating) {
        return std::nullopt;
    }
    return rating->level;
}

std::optional<PathSummary> PuzzleFilePathSummary(const std::string& path) {
    const Result<LoadedPuzzle> puzzle = LoadPuzzleFile(path);
    if (!puzzle) {
        return std::nullopt;
    }
    return PuzzlePathSummary(puzzle->data);
}

}  // namespace tessellix
