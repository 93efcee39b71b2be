#include "ephemeris/Calendar.h"

#include <cmath>

namespace velora {

namespace {

// 1 March 1900: the first day on which the four-year leap rule alone agrees with the Gregorian
// calendar. Before it the rule has counted 29 February 1900, which never existed.
constexpr double kFirstDayAfterCenturyLeapJulianDay = 2415079.5;

}  // namespace

double JulianDay(double day, double month, double year) {
  const double a = std::trunc((month + 9) / 12);
  const double b = std::trunc(7 * (year + a) / 4);
  // 275 * month is exact for whole months, so the quotient truncates to the exact integer.
  const double c = std::trunc(275 * month / 9);
  const double julianDay = c + (367 * year - b) + day + 1721013.5;
  // 1900 is a common year: every earlier day moves one day on, so days before March 1900 get
  // their Gregorian number and the inverse below gives them back.
  return julianDay < kFirstDayAfterCenturyLeapJulianDay ? julianDay + 1 : julianDay;
}

CalendarDate CalendarFromJulianDay(double julianDay) {
  const double x = julianDay + 0.5;
  const double z = std::trunc(x);
  const double fraction = x - z;
  double a = z;
  if (z >= 2299161) {
    const double alpha = std::trunc((z - 1867216.25) / 36524.25);
    a = z + 1 + alpha - std::trunc(alpha / 4);
  }
  const double b = a + 1524;
  const double k = std::trunc((b - 122.1) / 365.25);
  const double d = std::trunc(365.25 * k);
  const double e = std::trunc((b - d) / 30.6001);
  CalendarDate date;
  date.dayWithFraction = b - d - std::trunc(30.6001 * e) + fraction;
  date.month = e >= 13.5 ? e - 13 : e - 1;
  date.year = date.month > 2.5 ? k - 4716 : k - 4715;
  return date;
}

double CenturiesSince1900(double day, double month, double year) {
  return (JulianDay(day, month, year) - 2415020) / 36525;
}

}  // namespace velora
