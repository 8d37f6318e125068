#include "solver/puzzle_level.h"

#include <bit>

namespace tessellix {

std::uint64_t MediumLimit(int elementCount) {
    // At least 1, so that a hand-made puzzle of one or two elements can be medium too.
    const std::uint64_t base = elementCount > 3 ? elementCount - 2 : 1;
    return base * base;
}

Level LevelOf(std::uint64_t deadEndsPerCover, int elementCount) {
    if (deadEndsPerCover == 0) {
        return Level::Easy;
    }
    return deadEndsPerCover <= MediumLimit(elementCount) ? Level::Medium : Level::Hard;
}

std::optional<Rating> RatePuzzle(const TilingSolver& solver,
                                 const std::function<bool()>& keepGoing) {
    bool stopped = false;
    DeductionOptions options;
    options.maxGuesses = kRatingGuessLimit;
    if (keepGoing) {
        options.keepGoing = [&] {
            stopped = !keepGoing();
            return !stopped;
        };
    }
    Rating rating;
    rating.measure = DeductionSolver(solver).Solve(options);
    if (stopped) {
        return std::nullopt;
    }
    rating.level = LevelOf(rating.measure.DeadEndsPerCover(), std::popcount(solver.UsedElements()));
    return rating;
}

}  // namespace tessellix
