#pragma once

#include "settings/DayDate.h"

namespace velora {

// The two date boxes of the calendar window, shared by the transit and the fatigue calendar.
struct CalendarDates {
  static constexpr int kDefaultSpanDays = 7;

  DayDate first;
  DayDate second = DaysAfter(first, kDefaultSpanDays);
  // Whether the window is open for the fatigue calendar, which needs Date 2 after Date 1 (the
  // transit calendar takes equal dates as one day).
  bool forFatigue = false;

  // Each time the window becomes active: today and today + 7 days.
  void ResetTo(const DayDate& today);
  // The red warning of the window: the dates cannot be computed in this order.
  bool OutOfOrder() const { return forFatigue ? !(first < second) : second < first; }
};

}  // namespace velora
