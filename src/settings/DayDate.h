#pragma once

#include <string>

namespace velora {

// A calendar day as the date boxes of the program hold it.
struct DayDate {
  int day = 1;
  int month = 1;  // 1..12
  int year = 2000;
  bool operator==(const DayDate&) const = default;
  auto operator<=>(const DayDate& other) const {
    if (year != other.year) return year <=> other.year;
    if (month != other.month) return month <=> other.month;
    return day <=> other.day;
  }
};

// The earliest and latest days the date boxes accept, the range of the entry windows' years.
inline constexpr DayDate kFirstDateBoxDay{1, 1, 1880};
inline constexpr DayDate kLastDateBoxDay{31, 12, 2050};

// Whether the day exists on the Gregorian calendar.
bool IsCalendarDay(const DayDate& date);

// The day `days` after `date` (before it for a negative count) on the Gregorian calendar.
DayDate DaysAfter(const DayDate& date, int days);

// The day clamped into kFirstDateBoxDay..kLastDateBoxDay.
DayDate ClampToDateBoxRange(const DayDate& date);

// ДД.ММ.ГГГГ, the Russian short date: "07.12.2026".
std::string ShortDateText(const DayDate& date);

}  // namespace velora
