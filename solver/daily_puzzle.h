#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>

#include "library/calendar_date.h"
#include "library/daily_names.h"
#include "solver/puzzle_generator.h"

namespace tessellix {

// The puzzle of the day: the same date gives the same puzzle file, byte for byte, in every copy
// of the same version, since the generator is seeded and counts moves, never time.

// The seed: the date's digits YYYYMMDD read as one decimal number (2026-12-08 gives 20261208).
std::uint64_t DailySeed(const CalendarDate& date);
// Monday and Tuesday easy, Wednesday and Thursday medium, the other days hard.
Level DailyLevel(const CalendarDate& date);
// What the generator is asked for on that date: all twelve elements, its level and its seed.
GeneratorRequest DailyRequest(const CalendarDate& date);

// The date's puzzle, named as such; the generator's comments tell its level.
GeneratedPuzzle GenerateDaily(const CalendarDate& date, const std::atomic<bool>* cancel = nullptr,
                              const std::function<void(int tries)>& progress = {});

}  // namespace tessellix
