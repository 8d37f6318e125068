#include "solver/file_rating.h"

#include "library/puzzle_file.h"
#include "solver/tiling_solver.h"

namespace tessellix {

std::optional<Level> RatePuzzleFile(const std::string& path,
                                    const std::function<bool()>& keepGoing) {
    const PuzzleFileContents contents = ReadPuzzleFile(path);
    if (contents.readFailure || !contents.hasSignature || !contents.HasCells()) {
        return std::nullopt;
    }
    unsigned used = 0;
    for (int i = 0; i < kElementRecordCount; ++i) {
        if (contents.data.elements[i].used) {
            used |= 1u << i;
        }
    }
    const TilingSolver solver(contents.data.grid, kGridSide, used);
    if (solver.Problem() != SolverProblem::None) {
        return std::nullopt;
    }
    const std::optional<Rating> rating = RatePuzzle(solver, keepGoing);
    if (!rating) {
        return std::nullopt;
    }
    return rating->level;
}

}  // namespace tessellix
