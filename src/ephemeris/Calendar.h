#pragma once

namespace velora {

struct CalendarDate {
  double year = 0;
  double month = 0;
  double dayWithFraction = 0;
};

// Julian day of a date with the fraction of the day in `day`. Every fourth year is a leap year
// (no century rule), so the result is the Gregorian Julian day from 1 March 1900 to 28 February
// 2100 and one day less before that. Month 0 (no month chosen) is accepted.
double JulianDay(double day, double month, double year);

// The Gregorian inverse of JulianDay (with the century rule).
CalendarDate CalendarFromJulianDay(double julianDay);

// Julian centuries of 36525 days from Julian day 2415020 (noon, 31 December 1899).
double CenturiesSince1900(double day, double month, double year);

}  // namespace velora
