#include "settings/DayDate.h"

#include <chrono>
#include <cstdio>

namespace velora {
namespace {

std::chrono::year_month_day CivilDay(const DayDate& date) {
  return std::chrono::year{date.year} / std::chrono::month{static_cast<unsigned>(date.month)} /
         std::chrono::day{static_cast<unsigned>(date.day)};
}

}  // namespace

bool IsCalendarDay(const DayDate& date) {
  return date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= 31 &&
         CivilDay(date).ok();
}

DayDate DaysAfter(const DayDate& date, int days) {
  const std::chrono::year_month_day later{std::chrono::sys_days{CivilDay(date)} +
                                          std::chrono::days{days}};
  return {static_cast<int>(static_cast<unsigned>(later.day())),
          static_cast<int>(static_cast<unsigned>(later.month())), static_cast<int>(later.year())};
}

DayDate ClampToDateBoxRange(const DayDate& date) {
  if (date < kFirstDateBoxDay) return kFirstDateBoxDay;
  if (kLastDateBoxDay < date) return kLastDateBoxDay;
  return date;
}

std::string ShortDateText(const DayDate& date) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d", date.day, date.month, date.year);
  return text;
}

}  // namespace velora
