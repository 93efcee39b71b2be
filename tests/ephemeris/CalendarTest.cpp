#include "ephemeris/Calendar.h"

#include <gtest/gtest.h>

#include "ephemeris/NumericRoutines.h"

namespace velora {
namespace {

TEST(JulianDay, CountsDaysWithTheirFraction) {
  EXPECT_DOUBLE_EQ(JulianDay(1, 1, 2000), 2451544.5);
  EXPECT_DOUBLE_EQ(JulianDay(1.5, 1, 2000), 2451545.0);
  EXPECT_DOUBLE_EQ(JulianDay(1, 3, 1900), 2415079.5);
}

TEST(JulianDay, HasNoCenturyRuleBeforeMarch1900) {
  // One day less than the Gregorian 2415078.5.
  EXPECT_DOUBLE_EQ(JulianDay(28, 2, 1900), 2415077.5);
  EXPECT_DOUBLE_EQ(JulianDay(1, 1, 1900), 2415019.5);
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

TEST(CalendarFromJulianDay, GivesThePreviousDayBeforeMarch1900) {
  const CalendarDate february = CalendarFromJulianDay(2415077.5);
  EXPECT_DOUBLE_EQ(february.year, 1900);
  EXPECT_DOUBLE_EQ(february.month, 2);
  EXPECT_DOUBLE_EQ(february.dayWithFraction, 27);

  const CalendarDate newYear1880 = CalendarFromJulianDay(JulianDay(1, 1, 1880));
  EXPECT_DOUBLE_EQ(newYear1880.year, 1879);
  EXPECT_DOUBLE_EQ(newYear1880.month, 12);
  EXPECT_DOUBLE_EQ(newYear1880.dayWithFraction, 31);
}

TEST(CalendarFromJulianDay, RoundTripsEveryDayOfTheTwentiethAndTwentyFirstCentury) {
  for (double jd = JulianDay(1, 3, 1900); jd < JulianDay(28, 2, 2100); jd += 1) {
    const CalendarDate date = CalendarFromJulianDay(jd + 0.25);
    ASSERT_DOUBLE_EQ(JulianDay(date.dayWithFraction, date.month, date.year), jd + 0.25);
  }
}

TEST(CenturiesSince1900, CountsFromNoonOfTheLastDayOf1899) {
  EXPECT_NEAR(CenturiesSince1900(1, 1, 1900), -0.0000136893, 1e-10);
  EXPECT_DOUBLE_EQ(CenturiesSince1900(1.5, 1, 2000), 1.0);
}

}  // namespace
}  // namespace velora
