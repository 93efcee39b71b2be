#pragma once

#include <string_view>

#include "charts/ChartForm.h"

namespace velora {

// A moment of the computer's local clock, seconds dropped.
struct LocalMoment {
  int year = 0;
  int month = 1;  // 1..12
  int day = 1;
  int hour = 0;
  int minute = 0;
};

LocalMoment LocalClockNow();

// "На Сейчас" / "На сейчас": the clock's date and time into the form (unchanged, not converted to
// Greenwich time) and `name` into its name field ("Сейчас " for the first chart, "Сейчас  " with
// two blanks for the second).
void ReadNowIntoForm(ChartForm& form, const LocalMoment& now, std::string_view name);

inline constexpr std::string_view kFirstChartNowName = "Сейчас ";
inline constexpr std::string_view kSecondChartNowName = "Сейчас  ";

}  // namespace velora
