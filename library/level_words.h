#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "library/bilingual_text.h"

namespace tessellix {

// How hard a puzzle is to deduce; the solver rates it (solver/puzzle_level.h), the records keep
// it as its index in kLevels.
enum class Level { Easy, Medium, Hard };

inline constexpr std::array<Level, 3> kLevels{Level::Easy, Level::Medium, Level::Hard};

// The words of a level wherever it is named, in the order of kLevels.
struct LevelWords {
    std::string_view name;          // "easy": the tool's option value and output, the English word
    std::string_view russianLevel;  // "лёгкий": the Russian word
    std::string_view label;         // "Лёгкий#Easy": the Generate dialog's choice
    std::string_view group;  // "Лёгкие#Easy": the puzzles of the level, in the statistics
    std::string_view puzzleName;  // "Лёгкое задание #Easy puzzle ": a generated puzzle's name
};
inline constexpr std::array<LevelWords, kLevels.size()> kLevelWords{{
    {"easy", "лёгкий", "Лёгкий#Easy", "Лёгкие#Easy", "Лёгкое задание #Easy puzzle "},
    {"medium", "средний", "Средний#Medium", "Средние#Medium", "Среднее задание #Medium puzzle "},
    {"hard", "сложный", "Сложный#Hard", "Сложные#Hard", "Сложное задание #Hard puzzle "},
}};
const LevelWords& WordsOf(Level level);

// "easy", "medium", "hard": the tool's option values and its output.
std::string_view LevelName(Level level);
std::optional<Level> LevelNamed(std::string_view name);
// The level's index in kLevels; nothing for a number outside it.
std::optional<Level> LevelAt(int index);

// "лёгкий#easy": the level in a sentence or a table.
BilingualText LevelWord(Level level);
// "Лёгкие#Easy": the puzzles of the level.
BilingualText LevelGroup(Level level);

}  // namespace tessellix
