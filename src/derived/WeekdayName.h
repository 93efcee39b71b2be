#pragma once

#include <array>
#include <string_view>

namespace velora {

// Weekday names, index 0 being Saturday.
inline constexpr std::array<std::string_view, 7> kWeekdayNames = {
    "суббота", "воскресенье", "понедельник", "вторник", "среда", "четверг", "пятница"};

// The weekday of a date (month 1..12) by the day-count formula of the calendar listing.
std::string_view WeekdayName(double day, double month, double year);

}  // namespace velora
