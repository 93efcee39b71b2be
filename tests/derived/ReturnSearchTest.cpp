#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "charts/FormAt.h"
#include "common/UserError.h"
#include "derived/LunarReturnSearch.h"
#include "derived/SolarReturnSearch.h"
#include "ephemeris/BodyDriver.h"
#include "ephemeris/Calendar.h"

namespace velora {
namespace {

ChartForm Form(int year, int month, int day, int hour, int minute) {
  return testing::FormAt(year, month, day, hour, minute);
}

ChartForm ChosenYear(int year) {
  ChartForm second;
  second.setYear(year);
  return second;
}

// The longitude of a body at any Julian day, not only at whole minutes.
double LongitudeAtJulianDay(int body, double julianDay) {
  const CalendarDate date = CalendarFromJulianDay(julianDay);
  const double wholeDay = std::trunc(date.dayWithFraction);
  ChartInput input;
  input.year = date.year;
  input.month = date.month;
  input.day = wholeDay;
  input.hour = (date.dayWithFraction - wholeDay) * 24;
  PlanetLongitudes longitudes;
  ComputeBody(body, input, longitudes);
  return longitudes[body];
}

double SignedDifference(double longitude, double target) {
  double difference = std::fmod(longitude - target, 360.0);
  if (difference > 180) difference -= 360;
  if (difference < -180) difference += 360;
  return difference;
}

// The moment at which the body reaches the target, by bisection over a bracket around `near`.
double CrossingByBisection(int body, double target, double near, double halfWidthDays) {
  double low = near - halfWidthDays, high = near + halfWidthDays;
  EXPECT_LT(SignedDifference(LongitudeAtJulianDay(body, low), target), 0);
  EXPECT_GT(SignedDifference(LongitudeAtJulianDay(body, high), target), 0);
  for (int step = 0; step < 60; ++step) {
    const double middle = (low + high) / 2;
    (SignedDifference(LongitudeAtJulianDay(body, middle), target) < 0 ? low : high) = middle;
  }
  return (low + high) / 2;
}

double NatalLongitude(int body, const ChartForm& form) {
  return BodyLongitudeAt(body, SearchMomentOf(form), form);
}

constexpr double kMinute = 1.0 / 1440;

TEST(SearchMomentTest, WritingAWholeMinuteGivesThatMinuteBack) {
  // Every minute of two whole days, one in each century, survives the Julian day.
  for (const SearchMoment& day :
       {SearchMoment{1899, 12, 31, 0, 0}, SearchMoment{2026, 3, 1, 0, 0}}) {
    for (int minuteOfDay = 0; minuteOfDay < 2880; ++minuteOfDay) {
      SearchMoment moment = day;
      moment.hour = minuteOfDay / 60 % 24;
      moment.minute = minuteOfDay % 60;
      moment.day += minuteOfDay / 1440;
      const SearchMoment back = SearchMomentAt(JulianDayOf(moment));
      if (moment.day > 31) continue;
      ASSERT_EQ(back, moment) << minuteOfDay;
    }
  }
  // The moment is not clamped to the window's years.
  EXPECT_EQ(SearchMomentAt(JulianDayOf({2051, 1, 2, 3, 4})), (SearchMoment{2051, 1, 2, 3, 4}));
  EXPECT_FALSE(WithinFormYears({2051, 1, 2, 3, 4}));
  EXPECT_EQ(ShiftedByDays({2024, 3, 1, 23, 59}, -1), (SearchMoment{2024, 2, 29, 23, 59}));
}

TEST(SearchMomentTest, OneScaleUnwrapsTheLaterSampleAndBringsTheTargetNear) {
  const OneScale across = PutOnOneScale(359.5, 0.5, 0.2);
  EXPECT_DOUBLE_EQ(across.later, 360.5);
  EXPECT_DOUBLE_EQ(across.target, 360.2);
  const OneScale before = PutOnOneScale(0.1, 1.1, 359.8);
  EXPECT_NEAR(before.target, -0.2, 1e-12);
}

TEST(SolarReturnSearchTest, FindsTheCrossingWithinAMinuteOnRandomBirths) {
  std::mt19937 random(20261208);
  std::uniform_int_distribution<int> year(1880, 2049), month(1, 12), day(1, 28), hour(0, 23),
      minute(0, 59);
  int worstSeconds = 0;
  for (int chart = 0; chart < 1000; ++chart) {
    const ChartForm birth =
        Form(year(random), month(random), day(random), hour(random), minute(random));
    const ChartForm second = ChosenYear(std::uniform_int_distribution<int>(1881, 2049)(random));
    const SearchMoment found = FindSolarReturn(birth, second);
    const double crossing =
        CrossingByBisection(kSun, NatalLongitude(kSun, birth), JulianDayOf(found), 0.5);
    const double offset = JulianDayOf(found) - crossing;
    worstSeconds = std::max(worstSeconds, static_cast<int>(std::abs(offset) * 86400));
    ASSERT_LE(std::abs(offset), kMinute + 1e-7)
        << birth.day() << "." << birth.monthIndex() + 1 << "." << birth.year() << " "
        << birth.hour() << ":" << birth.minute() << " in " << second.year();
  }
  EXPECT_LE(worstSeconds, 60);
}

TEST(SolarReturnSearchTest, TheHourPassAtElevenAtNightKeepsItsMinute) {
  // Read with the later sample first, this return came out at 23:15.
  const SearchMoment found = FindSolarReturn(Form(1980, 4, 1, 0, 5), ChosenYear(1984));
  EXPECT_EQ(found, (SearchMoment{1984, 3, 31, 23, 20}));
}

TEST(SolarReturnSearchTest, ASunJustBeforeAriesIsFoundHoursEarlierInTheSameDays) {
  // The Sun stands at about 359.8° on 20 March 1980 in the morning; in 2025 it passes that
  // longitude before the birthday's clock time.
  const ChartForm birth = Form(1980, 3, 20, 6, 0);
  const double natal = NatalLongitude(kSun, birth);
  ASSERT_GT(natal, 359.5);
  const SearchMoment found = FindSolarReturn(birth, ChosenYear(2025));
  EXPECT_EQ(found.year, 2025);
  EXPECT_EQ(found.month, 3);
  EXPECT_GE(found.day, 19);
  EXPECT_LE(found.day, 20);
  EXPECT_NEAR(SignedDifference(BodyLongitudeAt(kSun, found, birth), natal), 0, 0.001);
}

TEST(SolarReturnSearchTest, AReturnAtMidnightLandsOnTheRightSideOfIt) {
  // From 1 March 1991 18:xx the return of 1992 falls around midnight between 29 February and
  // 1 March: the passes move across midnight to the last day of February and back, and the
  // moment found is the crossing's minute on whichever day it lies.
  const ChartForm second = ChosenYear(1992);
  for (int minute = 5; minute <= 16; ++minute) {
    const ChartForm birth = Form(1991, 3, 1, 18, minute);
    const SearchMoment found = FindSolarReturn(birth, second);
    const double crossing =
        CrossingByBisection(kSun, NatalLongitude(kSun, birth), JulianDayOf(found), 0.5);
    EXPECT_LE(std::abs(JulianDayOf(found) - crossing), kMinute + 1e-7) << minute;
    const bool lastOfFebruary = found.month == 2 && found.day == 29 && found.hour == 23;
    const bool firstOfMarch = found.month == 3 && found.day == 1 && found.hour == 0;
    EXPECT_TRUE(lastOfFebruary || firstOfMarch) << minute;
  }
  EXPECT_EQ(FindSolarReturn(Form(1991, 3, 1, 18, 8), second), (SearchMoment{1992, 2, 29, 23, 57}));
}

TEST(SolarReturnSearchTest, AReturnBeyondTheWindowsYearsIsRefusedAndLeavesTheWindow) {
  ChartForm second = ChosenYear(2050);
  second.setMonthIndex(4);
  const ChartForm before = second;
  const ChartForm birth = Form(1984, 12, 31, 23, 50);
  ASSERT_FALSE(WithinFormYears(FindSolarReturn(birth, second)));
  try {
    SolarReturnSearch(birth, second);
    FAIL() << "a return in 2051 was accepted";
  } catch (const UserError& error) {
    EXPECT_NE(std::string(error.what()).find("1880 по 2050"), std::string::npos);
  }
  EXPECT_EQ(second.year(), before.year());
  EXPECT_EQ(second.monthIndex(), before.monthIndex());
  EXPECT_EQ(second.day(), before.day());
}

TEST(SolarReturnSearchTest, ABirthWithoutAMonthAsksForIt) {
  ChartForm birth;
  ChartForm second = ChosenYear(2026);
  EXPECT_THROW(SolarReturnSearch(birth, second), UserError);
  birth.setMonthIndex(0);
  SolarReturnSearch(birth, second);
  EXPECT_EQ(second.name, "Соляр");
  EXPECT_EQ(second.year(), 2026);
}

TEST(LunarListEntryTest, FormatsAndReadsBack) {
  const double ninePastFive = JulianDayOf({1980, 6, 15, 9, 5}) + 10.0 / 86400;
  EXPECT_EQ(LunarListEntry(ninePastFive), " 15. 6.1980    9: 5");
  EXPECT_EQ(ReadLunarListEntry(" 15. 6.1980    9: 5"), (SearchMoment{1980, 6, 15, 9, 5}));
  // Half a minute rounds up, and 59.6 minutes round to a minute 60 that reads back as 60.
  EXPECT_EQ(LunarListEntry(JulianDayOf({2026, 12, 9, 13, 59}) + 36.0 / 86400),
            "  9.12.2026   13:60");
  EXPECT_EQ(ReadLunarListEntry("  9.12.2026   13:60"), (SearchMoment{2026, 12, 9, 13, 60}));
  EXPECT_THROW(ReadLunarListEntry("9.12"), UserError);
  EXPECT_THROW(ReadLunarListEntry(" 9.13.2026   13:00"), UserError);
}

class LunarReturnSearchTest : public ::testing::Test {
 protected:
  static ChartForm Chosen(int year, int month) {
    ChartForm second = ChosenYear(year);
    second.setMonthIndex(month - 1);
    return second;
  }
};

TEST_F(LunarReturnSearchTest, ListsThreeReturnsAMonthApartFromAMonthBefore) {
  const ChartForm birth = Form(1980, 1, 15, 12, 30);
  const double natal = NatalLongitude(kMoon, birth);
  const ChartForm second = Chosen(2026, 12);
  const std::vector<LunarReturn> returns = FindLunarReturns(birth, second);
  ASSERT_EQ(returns.size(), 3u);
  const double chosen = JulianDayOf(SearchMomentOf(second));
  double previous = chosen - 30;
  for (const LunarReturn& found : returns) {
    const double at = JulianDayOf(found.moment);
    EXPECT_GT(at, previous);
    EXPECT_LT(at - previous, 28.5);
    EXPECT_NEAR(SignedDifference(BodyLongitudeAt(kMoon, found.moment, birth), natal), 0, 0.02);
    const double crossing = CrossingByBisection(kMoon, natal, at, 0.1);
    EXPECT_LE(std::abs(at - crossing), 2 * kMinute);
    EXPECT_EQ(ReadLunarListEntry(found.listEntry).day, found.moment.day);
    previous = at;
  }
}

TEST_F(LunarReturnSearchTest, AMoonAtTheStartOfAriesIsFoundInTheCrossingStep) {
  // 11 January 1981 19:00: the Moon at about 0.2° Aries; the returns must come every 27.3 days
  // with none skipped where the scan steps over 0°.
  ChartForm birth = Form(1981, 1, 11, 19, 0);
  const double natal = NatalLongitude(kMoon, birth);
  ASSERT_TRUE(natal < 3 || natal > 357) << natal;
  for (int month = 1; month <= 12; ++month) {
    const ChartForm second = Chosen(2001, month);
    const std::vector<LunarReturn> returns = FindLunarReturns(birth, second);
    const double first = JulianDayOf(returns.front().moment);
    const double chosen = JulianDayOf(SearchMomentOf(second));
    EXPECT_LT(first - (chosen - 30), 27.6) << month;
    EXPECT_NEAR(JulianDayOf(returns[2].moment) - first, 2 * 27.32, 0.5) << month;
  }
}

TEST_F(LunarReturnSearchTest, AListNearTheEndOf2050IsShortenedAndSaysWhy) {
  const ChartForm birth = Form(1980, 1, 15, 12, 30);
  ChartForm second = Chosen(2050, 12);
  const LunarReturnList list = LunarReturnSearch(birth, second);
  EXPECT_EQ(list.entries.size(), 2u);
  EXPECT_NE(list.shortNotice.find("найдено 2 из 3"), std::string::npos);
  EXPECT_EQ(second.year(), 2050);
  EXPECT_EQ(second.name, "Лунар");
  // The window holds the last return listed.
  EXPECT_EQ(ReadLunarListEntry(list.entries.back()).day, second.day());

  ChartForm noMonth = ChosenYear(2026);
  EXPECT_THROW(LunarReturnSearch(birth, noMonth), UserError);
  const LunarReturnList full = LunarReturnSearch(birth, second = Chosen(2026, 6));
  EXPECT_EQ(full.entries.size(), 3u);
  EXPECT_TRUE(full.shortNotice.empty());
}

}  // namespace
}  // namespace velora
