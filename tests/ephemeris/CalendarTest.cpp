#include "ephemeris/Calendar.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ephemeris/NumericRoutines.h"

namespace velora {
namespace {

TEST(JulianDay, CountsDaysWithTheirFraction) {
  EXPECT_DOUBLE_EQ(JulianDay(1, 1, 2000), 2451544.5);
  EXPECT_DOUBLE_EQ(JulianDay(1.5, 1, 2000), 2451545.0);
  EXPECT_DOUBLE_EQ(JulianDay(1, 3, 1900), 2415079.5);
}

TEST(JulianDay, CountsNineteenHundredAsACommonYear) {
  EXPECT_DOUBLE_EQ(JulianDay(28, 2, 1900), 2415078.5);
  EXPECT_DOUBLE_EQ(JulianDay(1, 1, 1900), 2415020.5);
  EXPECT_DOUBLE_EQ(JulianDay(15.5, 1, 1890), 2411383.0);
  // A day beyond the month's length still adds on: 29 February 1900 is 1 March.
  EXPECT_DOUBLE_EQ(JulianDay(29, 2, 1900), JulianDay(1, 3, 1900));
  // The day before 1 March 1900 with its time of day.
  EXPECT_DOUBLE_EQ(JulianDay(28.75, 2, 1900), 2415079.25);
}

// The four-year leap rule without the 1900 correction, as the day count always was from March
// 1900 on.
double FourYearRuleJulianDay(double day, double month, double year) {
  const double a = std::trunc((month + 9) / 12);
  const double b = std::trunc(7 * (year + a) / 4);
  const double c = std::trunc(275 * month / 9);
  return c + (367 * year - b) + day + 1721013.5;
}

TEST(JulianDay, IsBitIdenticalToTheFourYearRuleFromMarch1900On) {
  for (int year = 1900; year <= 2050; ++year) {
    for (int month = year == 1900 ? 3 : 1; month <= 12; ++month) {
      for (int day = 1; day <= 31; ++day) {
        for (double fraction : {0.0, 0.25, 0.520833333333333, 0.999305555555556}) {
          ASSERT_EQ(JulianDay(day + fraction, month, year),
                    FourYearRuleJulianDay(day + fraction, month, year))
              << day << "." << month << "." << year;
        }
      }
    }
  }
}

TEST(JulianDay, AcceptsMonthZeroAndDaysBeyondTheMonth) {
  // a = trunc(9 / 12) = 0 and c = 0 for month 0.
  EXPECT_DOUBLE_EQ(JulianDay(1, 0, 2000), 1 + 367 * 2000.0 - 3500 + 1721013.5);
  // 31 February is 3 March in a common year.
  EXPECT_DOUBLE_EQ(JulianDay(31, 2, 2001), JulianDay(3, 3, 2001));
}

TEST(JulianDay, TruncatesTheMonthFactorExactlyForEveryMonth) {
  // c = trunc(275 * month / 9) must be the exact integer for months 0..13.
  const int expected[] = {0, 30, 61, 91, 122, 152, 183, 213, 244, 275, 305, 336, 366, 397};
  for (int month = 0; month <= 13; ++month) {
    const double a = month + 9 >= 12 ? 1 : 0;
    const double b = static_cast<int>(7 * (2001 + a) / 4);
    EXPECT_DOUBLE_EQ(JulianDay(0, month, 2001), expected[month] + (367 * 2001 - b) + 1721013.5)
        << "month " << month;
  }
}

TEST(CalendarFromJulianDay, InvertsModernDates) {
  const CalendarDate date = CalendarFromJulianDay(2451545.0);
  EXPECT_DOUBLE_EQ(date.year, 2000);
  EXPECT_DOUBLE_EQ(date.month, 1);
  EXPECT_DOUBLE_EQ(date.dayWithFraction, 1.5);
}

TEST(CalendarFromJulianDay, GivesBackDatesBefore1900) {
  const CalendarDate february = CalendarFromJulianDay(JulianDay(28, 2, 1900));
  EXPECT_DOUBLE_EQ(february.year, 1900);
  EXPECT_DOUBLE_EQ(february.month, 2);
  EXPECT_DOUBLE_EQ(february.dayWithFraction, 28);

  const CalendarDate newYear1880 = CalendarFromJulianDay(JulianDay(1, 1, 1880));
  EXPECT_DOUBLE_EQ(newYear1880.year, 1880);
  EXPECT_DOUBLE_EQ(newYear1880.month, 1);
  EXPECT_DOUBLE_EQ(newYear1880.dayWithFraction, 1);
}

// The stepping loops of the calendars and searches rely on CalendarFromJulianDay(jd + 1) being
// the next date; the round trip holds that over the whole range of the entry windows.
TEST(CalendarFromJulianDay, RoundTripsEveryDayFrom1880To2100) {
  for (double jd = JulianDay(1, 1, 1880); jd < JulianDay(28, 2, 2100); jd += 1) {
    const CalendarDate date = CalendarFromJulianDay(jd + 0.25);
    ASSERT_DOUBLE_EQ(JulianDay(date.dayWithFraction, date.month, date.year), jd + 0.25);
  }
}

TEST(CenturiesSince1900, CountsFromNoonOfTheLastDayOf1899) {
  // 1 January 1900 at 0h is half a day after the origin.
  EXPECT_NEAR(CenturiesSince1900(1, 1, 1900), 0.0000136893, 1e-10);
  EXPECT_NEAR(CenturiesSince1900(31, 12, 1899), -0.0000136893, 1e-10);
  EXPECT_DOUBLE_EQ(CenturiesSince1900(1.5, 1, 2000), 1.0);
}

}  // namespace
}  // namespace velora
