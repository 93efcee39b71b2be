#pragma once

namespace velora {

struct CalendarDate {
  double year = 0;
  double month = 0;
  double dayWithFraction = 0;
};

// Julian day of a date with the fraction of the day in `day`, on the Gregorian calendar from 1880
// to 28 February 2100: the four-year leap rule, with 1900 counted as a common year. Days beyond a
// month's length add on linearly (31 February 2001 is 3 March, 29 February 1900 is 1 March);
// month 0 (no month chosen) is accepted.
double JulianDay(double day, double month, double year);

// The Gregorian inverse of JulianDay: for every valid date of 1880..2099 the two give each other
// back.
CalendarDate CalendarFromJulianDay(double julianDay);

// Julian centuries of 36525 days from Julian day 2415020 (noon, 31 December 1899).
double CenturiesSince1900(double day, double month, double year);

}  // namespace velora
