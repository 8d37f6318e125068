#include "library/daily_names.h"

#include <string>
#include <string_view>

namespace tessellix {

namespace {

const char kRussianName[] = "Задание дня ";
const char kEnglishName[] = "Puzzle of the day ";

std::optional<CalendarDate> DateAfter(const std::string& name, std::string_view prefix) {
    if (!name.starts_with(prefix)) {
        return std::nullopt;
    }
    return CalendarDate::Parse(std::string_view(name).substr(prefix.size()));
}

}  // namespace

BilingualText DailyNames(const CalendarDate& date) {
    return BilingualText(kRussianName, kEnglishName).Add(date.Text());
}

std::optional<CalendarDate> DailyDateOf(const BilingualText& names) {
    const auto english = DateAfter(names.In(Language::English), kEnglishName);
    return english ? english : DateAfter(names.In(Language::Russian), kRussianName);
}

}  // namespace tessellix
