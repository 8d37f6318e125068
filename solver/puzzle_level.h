#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "library/level_words.h"
#include "solver/deduction_solver.h"

namespace tessellix {

// A puzzle's level, from the dead ends per cover of the DeductionSolver (D) and
// the number of elements (N):
//   easy    D = 0: forced moves alone solve it, or every guess leads to a cover;
//   medium  1 <= D <= (N - 2)^2;
//   hard    D > (N - 2)^2.
// Dead ends multiply as elements are added, so the limit grows with N, and each size has all
// three levels. The square was chosen from the spread of D: it rates the shipped library 6 easy,
// 60 medium and 46 hard, its 12-element boards with hundreds or thousands of solutions (D 46 to
// 101) mostly medium and those where few covers hide behind long dead ends hard, and shapes
// grown at random reach every level at every size within a few hundred tries.

// The most dead ends per cover that a medium puzzle of elementCount elements has.
std::uint64_t MediumLimit(int elementCount);
Level LevelOf(std::uint64_t deadEndsPerCover, int elementCount);

// The search behind a rating stops after this many guesses, so that a board with thousands of
// covers is rated in about a second; what it found by then stands for the whole.
inline constexpr std::uint64_t kRatingGuessLimit = 100000;

struct Rating {
    DeductionMeasure measure;
    Level level = Level::Easy;
};

// solver must have no Problem(). keepGoing is asked now and then; false stops the rating, and
// nothing comes back.
std::optional<Rating> RatePuzzle(const TilingSolver& solver,
                                 const std::function<bool()>& keepGoing = {});

}  // namespace tessellix
