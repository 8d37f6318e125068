#include "library/shipped_levels.h"

#include <sstream>

namespace tessellix {

namespace {

constexpr std::size_t kKeyDigits = 16;

const char kHeader[] =
    "# The level of each shipped puzzle, as `tessellix-puzzle rate` gives it, for the game's\n"
    "# statistics. A puzzle is known by its cells and its elements; one changed since is rated\n"
    "# by the game itself. Made with:  tessellix-puzzle levels data > data/levels.txt\n";

bool IsKey(std::string_view text) {
    return text.size() == kKeyDigits &&
           text.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

}  // namespace

std::string ShippedLevels::KeyOf(const PuzzleFileData& data) {
    // FNV-1a over one byte per cell and one per element record.
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    const auto mix = [&hash](bool bit) {
        hash ^= bit ? 1u : 0u;
        hash *= 0x100000001b3ULL;
    };
    for (const int cell : data.grid) {
        mix(cell != 0);
    }
    for (const ElementRecord& record : data.elements) {
        mix(record.used);
    }
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string key(kKeyDigits, '0');
    for (std::size_t i = kKeyDigits; i-- > 0; hash >>= 4) {
        key[i] = kDigits[hash & 15];
    }
    return key;
}

ShippedLevels ShippedLevels::Parse(std::string_view text) {
    ShippedLevels table;
    std::istringstream in{std::string(text)};
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string fileName;
        std::string key;
        std::string name;
        std::string rest;
        fields >> fileName >> key >> name;
        const std::optional<Level> level = LevelNamed(name);
        if (fileName.starts_with('#') || fields.fail() || (fields >> rest) || !IsKey(key) ||
            !level) {
            continue;
        }
        table.levels[key] = *level;
        table.lines += line + '\n';
    }
    return table;
}

std::string ShippedLevels::Text() const {
    return kHeader + lines;
}

void ShippedLevels::Add(const std::string& fileName, const PuzzleFileData& data, Level level) {
    const std::string key = KeyOf(data);
    levels[key] = level;
    lines += fileName + ' ' + key + ' ' + std::string(LevelName(level)) + '\n';
}

std::optional<Level> ShippedLevels::Find(const PuzzleFileData& data) const {
    const auto found = levels.find(KeyOf(data));
    return found == levels.end() ? std::nullopt : std::optional(found->second);
}

}  // namespace tessellix
