#include "charts/FormMoment.h"

#include <gtest/gtest.h>

#include "charts/FormAt.h"
#include "ephemeris/Calendar.h"

namespace velora {
namespace {

ChartForm At(int year, int month, int day, int hour, int minute) {
  return testing::FormAt(year, month, day, hour, minute);
}

void ExpectAt(const ChartForm& form, int year, int month, int day, int hour, int minute) {
  EXPECT_EQ(form.year(), year);
  EXPECT_EQ(form.monthIndex() + 1, month);
  EXPECT_EQ(form.day(), day);
  EXPECT_EQ(form.hour(), hour);
  EXPECT_EQ(form.minute(), minute);
}

TEST(ShiftFormMoment, CarriesMonthsAndYears) {
  ChartForm form = At(2001, 2, 28, 12, 30);
  ShiftFormMoment(form, 24 * 60);
  ExpectAt(form, 2001, 3, 1, 12, 30);
  form = At(1999, 12, 31, 23, 55);
  ShiftFormMoment(form, 10);
  ExpectAt(form, 2000, 1, 1, 0, 5);
  form = At(2000, 3, 1, 0, 0);
  ShiftFormMoment(form, -24 * 60);
  ExpectAt(form, 2000, 2, 29, 0, 0);
}

TEST(ShiftFormMoment, TwentyFourHoursOfOneHourStepsLandOnTheSameTimeNextDay) {
  ChartForm form = At(2010, 6, 15, 11, 30);
  for (int press = 0; press < 24; ++press) ShiftFormMoment(form, 60);
  ExpectAt(form, 2010, 6, 16, 11, 30);
}

TEST(ShiftFormMoment, MovesBefore1900AsAfter) {
  ChartForm form = At(1890, 2, 28, 8, 0);
  ShiftFormMoment(form, 24 * 60);
  ExpectAt(form, 1890, 3, 1, 8, 0);
  ShiftFormMoment(form, -24 * 60);
  ExpectAt(form, 1890, 2, 28, 8, 0);
  form = At(1900, 2, 28, 0, 0);
  ShiftFormMoment(form, 24 * 60);
  ExpectAt(form, 1900, 3, 1, 0, 0);  // 1900 is not a leap year
}

TEST(ShiftFormMoment, ForwardThenBackReturnsToTheSameMoment) {
  for (int minutes : {10, 60, 24 * 60, 7 * 24 * 60}) {
    for (int day = 1; day <= 31; day += 3) {
      ChartForm form = At(1985, 1 + day % 12, day, day % 24, (day * 7) % 60);
      ChartForm moved = form;
      ShiftFormMoment(moved, minutes);
      ShiftFormMoment(moved, -minutes);
      // Day 31 of a short month is the same moment as the first days of the next.
      const double before = JulianDay(form.day() + form.hour() / 24.0 + form.minute() / 1440.0,
                                      form.monthIndex() + 1, form.year());
      const double after = JulianDay(moved.day() + moved.hour() / 24.0 + moved.minute() / 1440.0,
                                     moved.monthIndex() + 1, moved.year());
      EXPECT_NEAR(before, after, 1e-9) << minutes << " " << day;
    }
  }
}

TEST(ShiftFormMoment, TakesOddFormValuesAsTheComputationDoes) {
  ChartForm form = At(2001, 2, 31, 11, 60);  // 31 February 11:60 is 3 March 12:00
  ShiftFormMoment(form, 0);
  ExpectAt(form, 2001, 3, 3, 12, 0);
  ChartForm noMonth;  // day 15 of no month is 16 December of the year before
  ShiftFormMoment(noMonth, 0);
  ExpectAt(noMonth, 1979, 12, 16, 12, 30);
  EXPECT_DOUBLE_EQ(JulianDay(15, 0, 1980), JulianDay(16, 12, 1979));
}

TEST(ShiftFormMoment, StaysWithinTheYearRange) {
  ChartForm late = At(2050, 12, 31, 23, 30);
  ShiftFormMoment(late, 7 * 24 * 60);
  ExpectAt(late, 2050, 12, 31, 23, 59);
  ChartForm early = At(1880, 1, 3, 0, 0);
  ShiftFormMoment(early, -7 * 24 * 60);
  ExpectAt(early, 1880, 1, 1, 0, 0);
}

}  // namespace
}  // namespace velora
