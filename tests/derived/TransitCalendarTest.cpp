#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "common/UserError.h"
#include "derived/FatigueCalendar.h"
#include "derived/TransitCalendar.h"
#include "derived/TransitListing.h"
#include "derived/WeekdayName.h"
#include "ephemeris/Calendar.h"

namespace velora {
namespace {

bool HasLine(const std::vector<std::string>& lines, const std::string& part) {
  return std::any_of(lines.begin(), lines.end(),
                     [&](const std::string& line) { return line.find(part) != std::string::npos; });
}

class TransitTest : public ::testing::Test {
 protected:
  TransitTest() {
    workspace.forms.first.setMonthIndex(0);  // 15 January 1980, 12:30, 56.01, 92.45
    workspace.forms.second.setHour(12);
    workspace.forms.second.setMinute(0);
  }
  void TransitOn(int day, int month, int year) {
    workspace.forms.second.setYear(year);
    workspace.forms.second.setMonthIndex(month - 1);
    workspace.forms.second.setDay(day);
  }
  Workspace workspace;
};

TEST(TransitHouseOf, TakesTheCuspItselfAndTheLaterMatch) {
  HouseCusps cusps;
  for (int h = 1; h <= 12; ++h) cusps[h] = 30.0 * (h - 1);  // house 1 begins at 0°
  EXPECT_EQ(TransitHouseOf(0, cusps), 1);
  EXPECT_EQ(TransitHouseOf(30, cusps), 2);
  EXPECT_EQ(TransitHouseOf(359.99, cusps), 12);
  EXPECT_EQ(TransitHouseOf(360, cusps), 1);  // 360° and 0° are one point
  HouseCusps spanning;
  for (int h = 1; h <= 12; ++h) spanning[h] = std::fmod(350.0 + 30.0 * (h - 1), 360.0);
  EXPECT_EQ(TransitHouseOf(355, spanning), 1);
  EXPECT_EQ(TransitHouseOf(5, spanning), 1);
  EXPECT_EQ(TransitHouseOf(20, spanning), 2);
}

TEST(WeekdayName, OfTheSixthOfDecember2026) {
  EXPECT_EQ(WeekdayName(6, 12, 2026), "воскресенье");
  EXPECT_EQ(WeekdayName(7, 12, 2026), "понедельник");
}

TEST_F(TransitTest, TheNatalAscendantTakesPartWithOrbOne) {
  // The Sun's orb 10 with the Ascendant's 1 gives 5.5: 5.3° is an aspect, 6.3° not.
  TransitOn(21, 8, 2026);
  EXPECT_TRUE(HasLine(ListTransitsForDay(workspace), "Солнце(148.5) Асц   5.3  Asc (143.1)"));
  EXPECT_EQ(workspace.computed.itemOrbs[kAscendantItem], 1.0);
  TransitOn(22, 8, 2026);
  for (const std::string& line : ListTransitsForDay(workspace)) {
    EXPECT_FALSE(line.find("Солнце(") != std::string::npos &&
                 line.find("Asc (143.1)") != std::string::npos)
        << line;
  }
  // The day before the Sun reaches the Ascendant it stands in the twelfth house.
  TransitOn(15, 8, 2026);
  EXPECT_TRUE(HasLine(ListTransitsForDay(workspace), "Солнце(142.7) XII   0.4  Asc (143.1)"));
  EXPECT_EQ(workspace.derived.transitHouses[1], 12);
}

TEST_F(TransitTest, AnExcludedBodyHasNoLinesAndNoHouse) {
  TransitOn(15, 8, 2026);
  workspace.settings.items.setChecked(1, false);
  const std::vector<std::string> lines = ListTransitsForDay(workspace);
  EXPECT_FALSE(HasLine(lines, "Солнце("));
  EXPECT_EQ(workspace.derived.transitHouses[1], 0);
}

TEST_F(TransitTest, NeedsTheMonthsOfBothCharts) {
  TransitOn(15, 8, 2026);
  workspace.forms.second.setMonthIndex(ChartForm::kNoMonth);
  EXPECT_THROW(ListTransitsForDay(workspace), UserError);
  workspace.forms.second.setMonthIndex(7);
  workspace.forms.first.setMonthIndex(ChartForm::kNoMonth);
  EXPECT_THROW(ListTransitsForDay(workspace), UserError);
  EXPECT_THROW(TransitCalendarLines(workspace), UserError);
  EXPECT_THROW(FatigueCalendarLines(workspace), UserError);
}

TEST_F(TransitTest, TheCalendarListsTheDaysAfterDateOneUpToDateTwo) {
  workspace.settings.calendar.first = {6, 12, 2026};
  workspace.settings.calendar.second = {13, 12, 2026};
  const std::vector<std::string> lines = TransitCalendarLines(workspace);
  EXPECT_EQ(lines[0], "Транзиты на Радикс 15.01.1980");
  EXPECT_EQ(lines[1], "  ");
  EXPECT_TRUE(HasLine(lines, "7.12.2026  понедельник"));
  EXPECT_TRUE(HasLine(lines, "13.12.2026  воскресенье"));
  EXPECT_FALSE(HasLine(lines, "6.12.2026  "));
  EXPECT_FALSE(HasLine(lines, "14.12.2026"));
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                          [](const std::string& line) {
                            return line.find(".12.2026  ") != std::string::npos;
                          }),
            7);
  // The second chart is left on the last day, at its own time of day.
  EXPECT_EQ(workspace.forms.second.day(), 13);
  EXPECT_EQ(workspace.forms.second.hour(), 12);

  workspace.settings.calendar.second = workspace.settings.calendar.first;
  const std::vector<std::string> one = TransitCalendarLines(workspace);
  EXPECT_TRUE(HasLine(one, "7.12.2026  понедельник"));
  EXPECT_FALSE(HasLine(one, "8.12.2026"));
}

TEST(FatigueDays, RecordsTheLongCycleOrTwoShortOnes) {
  const double birth = JulianDay(15.5, 1, 1980);
  const double start = JulianDay(1, 1, 2026);
  const std::vector<FatigueRecord> records = FatigueDays(JulianDay(1, 1, 2027), start, birth);
  ASSERT_FALSE(records.empty());
  for (const FatigueRecord& record : records) {
    EXPECT_TRUE(record.t2 == 0 || record.f1 + record.f2 + record.f3 <= 1);
  }
  // Every day of the year that the rule takes is there, and only those.
  int expected = 0;
  for (int day = 0; day < 365; ++day) {
    const long double age = static_cast<long double>(start) + day - birth;
    const int shortCrossings = 3 - CycleSignFlag(age, 5.92210929) - CycleSignFlag(age, 7.10653115) -
                               CycleSignFlag(age, 8.29095301);
    if (CycleSignFlag(age, 28.4261246) == 0 || shortCrossings >= 2) ++expected;
  }
  EXPECT_EQ(static_cast<int>(records.size()), std::min(expected, kMostFatigueRecords));
}

TEST(FatigueDays, ADayAfterDateOneExaminesOneDayAndEqualDatesStopAt200) {
  const double birth = JulianDay(15.5, 1, 1980);
  const double start = JulianDay(8, 12, 2026);
  EXPECT_LE(FatigueDays(start + 1, start, birth).size(), 1u);
  EXPECT_EQ(FatigueDays(start, start, birth).size(), 200u);
}

TEST_F(TransitTest, TheFatigueTableWritesDatesAndFlags) {
  workspace.forms.first.name = "Анна";
  workspace.settings.calendar.first = {8, 12, 2026};
  workspace.settings.calendar.second = {8, 1, 2027};
  const std::vector<std::string> lines = FatigueCalendarLines(workspace);
  EXPECT_EQ(lines[0], "Дни усталости организма Анна");
  EXPECT_EQ(lines[1], "  Дата            Ф1       Ф2      Ф3      T2");
  ASSERT_GT(lines.size(), 2u);
  EXPECT_EQ(lines[2].substr(0, 12), "  20.12.2026");
  for (std::size_t n = 2; n < lines.size(); ++n) {
    EXPECT_TRUE(lines[n].find("2026       ") != std::string::npos ||
                lines[n].find("2027       ") != std::string::npos)
        << lines[n];
  }
}

}  // namespace
}  // namespace velora
