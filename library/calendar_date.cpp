#include "library/calendar_date.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace tessellix {

namespace {

std::chrono::year_month_day ToChrono(const CalendarDate& date) {
    return {std::chrono::year(date.year), std::chrono::month(static_cast<unsigned>(date.month)),
            std::chrono::day(static_cast<unsigned>(date.day))};
}

std::optional<int> Digits(std::string_view text) {
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

CalendarDate CalendarDate::Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::optional<CalendarDate> CalendarDate::Parse(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    const auto year = Digits(text.substr(0, 4));
    const auto month = Digits(text.substr(5, 2));
    const auto day = Digits(text.substr(8, 2));
    if (!year || !month || !day || *year < 1000) {
        return std::nullopt;
    }
    const CalendarDate date{*year, *month, *day};
    if (!ToChrono(date).ok()) {
        return std::nullopt;
    }
    return date;
}

std::string CalendarDate::Text() const {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

int CalendarDate::Serial() const {
    return std::chrono::sys_days(ToChrono(*this)).time_since_epoch().count();
}

CalendarDate CalendarDate::FromSerial(int serial) {
    const std::chrono::year_month_day date{std::chrono::sys_days(std::chrono::days(serial))};
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day()))};
}

int CalendarDate::Weekday() const {
    // iso_encoding: 1 Monday to 7 Sunday.
    return static_cast<int>(
               std::chrono::weekday(std::chrono::sys_days(ToChrono(*this))).iso_encoding()) -
           1;
}

int CurrentStreak(const std::set<CalendarDate>& days, CalendarDate today) {
    CalendarDate day = days.count(today) > 0 ? today : today.AddDays(-1);
    int streak = 0;
    while (days.count(day) > 0) {
        ++streak;
        day = day.AddDays(-1);
    }
    return streak;
}

int LongestStreak(const std::set<CalendarDate>& days) {
    int longest = 0;
    int run = 0;
    int previous = 0;
    for (const CalendarDate& date : days) {
        const int serial = date.Serial();
        run = run > 0 && serial == previous + 1 ? run + 1 : 1;
        previous = serial;
        longest = std::max(longest, run);
    }
    return longest;
}

}  // namespace tessellix
