#pragma once

#include "settings/DayDate.h"

namespace velora {

// The two date boxes of the calendar window, shared by the transit and the fatigue calendar.
struct CalendarDates {
  static constexpr int kDefaultSpanDays = 7;

  DayDate first;
  DayDate second = DaysAfter(first, kDefaultSpanDays);

  // Each time the window becomes active: today and today + 7 days.
  void ResetTo(const DayDate& today);
  // The red warning of the window: the second date lies before the first.
  bool OutOfOrder() const { return second < first; }
};

}  // namespace velora
