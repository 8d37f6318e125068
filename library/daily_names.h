#pragma once

#include <optional>

#include "library/bilingual_text.h"
#include "library/calendar_date.h"

namespace tessellix {

// The names of a puzzle of the day, by which the game, the records and the tool know one.

// "Задание дня 2026-12-08" / "Puzzle of the day 2026-12-08".
BilingualText DailyNames(const CalendarDate& date);
// The date of a puzzle of the day named so in either language; nothing for any other name.
std::optional<CalendarDate> DailyDateOf(const BilingualText& names);

}  // namespace tessellix
