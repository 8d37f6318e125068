#include "library/level_words.h"

#include <string>

namespace tessellix {

const LevelWords& WordsOf(Level level) {
    return kLevelWords[static_cast<int>(level)];
}

std::string_view LevelName(Level level) {
    return WordsOf(level).name;
}

std::optional<Level> LevelNamed(std::string_view name) {
    for (Level level : kLevels) {
        if (LevelName(level) == name) {
            return level;
        }
    }
    return std::nullopt;
}

std::optional<Level> LevelAt(int index) {
    if (index < 0 || index >= static_cast<int>(kLevels.size())) {
        return std::nullopt;
    }
    return kLevels[index];
}

BilingualText LevelWord(Level level) {
    return {std::string(WordsOf(level).russianLevel), std::string(WordsOf(level).name)};
}

BilingualText LevelGroup(Level level) {
    return BilingualText::Split(WordsOf(level).group);
}

}  // namespace tessellix
