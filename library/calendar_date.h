#pragma once

#include <compare>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace tessellix {

// A day of the Gregorian calendar, without a time or a zone: the local date on which a puzzle was
// solved, or the date that picks the puzzle of the day.
struct CalendarDate {
    int year = 1970;
    int month = 1;  // 1 to 12
    int day = 1;    // 1 to the month's length

    // The local date now.
    static CalendarDate Today();
    // "YYYY-MM-DD" with a real date between the years 1000 and 9999; nothing otherwise.
    static std::optional<CalendarDate> Parse(std::string_view text);
    // "YYYY-MM-DD".
    std::string Text() const;

    // Days since 1970-01-01, negative before it.
    int Serial() const;
    static CalendarDate FromSerial(int serial);
    CalendarDate AddDays(int days) const { return FromSerial(Serial() + days); }
    // 0 Monday to 6 Sunday.
    int Weekday() const;

    friend auto operator<=>(const CalendarDate&, const CalendarDate&) = default;
};

// How many days in a row up to `today` have a date in `days`: the run that ends today, or, while
// today has none yet, the one that ends yesterday; 0 when neither has.
int CurrentStreak(const std::set<CalendarDate>& days, CalendarDate today);
// The longest run of consecutive days in `days`.
int LongestStreak(const std::set<CalendarDate>& days);

}  // namespace tessellix
