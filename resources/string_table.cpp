#include "resources/string_table.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tessellix {

namespace {

// Each "Russian#English", as stored: the popup titles and the window titles. The commands'
// texts are in their rows of the command table.
constexpr std::array<std::pair<int, const char*>, 7> kStrings{{
    {100, "&Задание#&Puzzle"},
    {101, "&Сервис#&Tools"},
    {102, "&Настройки#&Options"},
    {200, "&Файл#&File"},
    {1000, "Tessellix#Tessellix"},
    {1001, "Редактор заданий Tessellix#Tessellix Puzzle Editor"},
    {1002, "Tessellix#Tessellix"},
}};

}  // namespace

BilingualText StringTableText(int number) {
    const auto found = std::find_if(kStrings.begin(), kStrings.end(),
                                    [number](const auto& entry) { return entry.first == number; });
    return found == kStrings.end() ? BilingualText() : BilingualText::Split(found->second);
}

}  // namespace tessellix
