#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "solver/deduction_solver.h"

namespace tessellix {

// How hard a puzzle is to deduce, from the dead ends per cover of the DeductionSolver (D) and
// the number of elements (N):
//   easy    D = 0: forced moves alone solve it, or every guess leads to a cover;
//   medium  1 <= D <= (N - 2)^2;
//   hard    D > (N - 2)^2.
// Dead ends multiply as elements are added, so the limit grows with N, and each size has all
// three levels. The square was chosen from the spread of D: it rates the shipped library 6 easy,
// 60 medium and 46 hard, its 12-element boards with hundreds or thousands of solutions (D 46 to
// 101) mostly medium and those where few covers hide behind long dead ends hard, and shapes
// grown at random reach every level at every size within a few hundred tries.
enum class Level { Easy, Medium, Hard };

inline constexpr std::array<Level, 3> kLevels{Level::Easy, Level::Medium, Level::Hard};

// The words of a level wherever it is named, in the order of kLevels.
struct LevelWords {
    std::string_view name;   // "easy": the tool's option value and output
    std::string_view label;  // "Лёгкий#Easy": the Generate dialog's choice
    std::string_view puzzleName;  // "Лёгкое задание #Easy puzzle ": a generated puzzle's name
    std::string_view russianLevel;  // "лёгкий": the Russian comment of a generated puzzle
};
inline constexpr std::array<LevelWords, kLevels.size()> kLevelWords{{
    {"easy", "Лёгкий#Easy", "Лёгкое задание #Easy puzzle ", "лёгкий"},
    {"medium", "Средний#Medium", "Среднее задание #Medium puzzle ", "средний"},
    {"hard", "Сложный#Hard", "Сложное задание #Hard puzzle ", "сложный"},
}};
const LevelWords& WordsOf(Level level);

// "easy", "medium", "hard": the tool's option values and its output.
std::string_view LevelName(Level level);
std::optional<Level> LevelNamed(std::string_view name);

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
