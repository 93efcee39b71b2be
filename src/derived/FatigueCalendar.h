#pragma once

#include <string>
#include <vector>

#include "workspace/Workspace.h"

namespace velora {

// One day of the fatigue table: its age in days since the birth moment and the sign flags of the
// four cycles (1 when the cycle keeps its sign through the day, 0 when it crosses zero).
struct FatigueRecord {
  long double ageDays = 0;
  int f1 = 1;
  int f2 = 1;
  int f3 = 1;
  int t2 = 1;
};

inline constexpr int kMostFatigueRecords = 200;

// The sign flag of a cycle of half-period `halfPeriodDays` for the day starting at age t.
int CycleSignFlag(long double ageDays, double halfPeriodDays);

// The days from `startJulianDay` up to the day before `endJulianDay` on which the long cycle
// crosses zero or at least two of the three short ones do, at most 200.
std::vector<FatigueRecord> FatigueDays(double endJulianDay, double startJulianDay,
                                       double birthJulianDay);

// The table of tiring days between the calendar's two dates for the first chart: the title, the
// heading and one line per record. Throws UserError asking for the month when the first chart
// has none.
std::vector<std::string> FatigueCalendarLines(Workspace& workspace);

}  // namespace velora
