#include "derived/Directions.h"

#include <gtest/gtest.h>

#include "aspects/AspectTest.h"
#include "common/UserError.h"

namespace velora {
namespace {

TEST(DirectionArc, OneDegreeForEveryYearOfLife) {
  // 36525 days after 1 January 1980.
  const DayDate birth{1, 1, 1980};
  EXPECT_DOUBLE_EQ(DirectionArcDegrees(DaysAfter(birth, 36525), birth), 100.0);
  EXPECT_DOUBLE_EQ(DirectionArcDegrees(birth, birth), 0.0);
  EXPECT_LT(DirectionArcDegrees({1, 1, 1970}, birth), 0.0);
  // Before 1900 too, the day count is the Gregorian one.
  EXPECT_DOUBLE_EQ(DirectionArcDegrees({1, 3, 1900}, {28, 2, 1900}), 1 / 365.25);
}

TEST(DirectedDegrees, TakesOff360OnceAndOnlyAbove360) {
  EXPECT_DOUBLE_EQ(DirectedDegrees(350, 15), 5);
  EXPECT_DOUBLE_EQ(DirectedDegrees(350, 10), 360);
  EXPECT_DOUBLE_EQ(DirectedDegrees(10, -30), -20);
  EXPECT_DOUBLE_EQ(DirectedDegrees(100, 46.9), 146.9);
}

TEST(FoldedSeparation, FindsTheAspectsOfPointsBelowZero) {
  // Radix 355° against directed -65° (that is 295°): a sextile, not 420°.
  EXPECT_DOUBLE_EQ(FoldedSeparationDegrees(355, -65), 60);
  // -10° against 355° lie 5° apart.
  EXPECT_DOUBLE_EQ(FoldedSeparationDegrees(-10, 355), 5);
  // Within the circle it is the aspect engine's separation.
  for (double a = 0; a <= 360; a += 7.25) {
    for (double b = 0; b <= 360; b += 11.5) {
      ASSERT_EQ(FoldedSeparationDegrees(a, b), SeparationDegrees(a, b)) << a << " " << b;
    }
  }
}

TEST(Directions, ComputesTheArcAndTheDirectedChartFromTheFirstChart) {
  Workspace workspace;
  workspace.forms.first.setMonthIndex(0);  // 15 January 1980
  workspace.settings.directions.date = DaysAfter({15, 1, 1980}, 36525);
  const DirectedChart chart = ComputeDirections(workspace);
  EXPECT_DOUBLE_EQ(chart.arcDegrees, 100.0);
  for (int body = 1; body <= kBodyCount; ++body) {
    EXPECT_DOUBLE_EQ(chart.directedLongitudes[body],
                     DirectedDegrees(chart.radixLongitudes[body], 100.0));
  }
  EXPECT_EQ(workspace.derived.directedLongitudes, chart.directedLongitudes);
  EXPECT_EQ(workspace.derived.directedCusps, chart.directedCusps);
  EXPECT_EQ(workspace.derived.targetDate, workspace.settings.directions.date);

  const std::vector<std::string> table = DirectionsTableLines(chart);
  ASSERT_EQ(table.size(), 1u + 3 + 16 + 3 + 12);
  EXPECT_EQ(table[0], "Приращение =   100.00");
  EXPECT_EQ(table[2], "        Радикс     Дирекция");
  EXPECT_TRUE(table[4].starts_with("Солн   ")) << table[4];
  EXPECT_EQ(table[20], "  Дома ");
  EXPECT_TRUE(table[23].starts_with("Асц   ")) << table[23];
}

TEST(Directions, ZeroArcGivesTheRadixAndNeedsAMonth) {
  Workspace workspace;
  EXPECT_THROW(ComputeDirections(workspace), UserError);
  workspace.forms.first.setMonthIndex(5);
  workspace.settings.directions.date = {15, 6, 1980};
  const DirectedChart chart = ComputeDirections(workspace);
  EXPECT_EQ(chart.directedLongitudes, chart.radixLongitudes);
  EXPECT_EQ(chart.directedCusps, chart.radixCusps);
  EXPECT_EQ(DirectionsTableLines(chart)[0], "Приращение =     0.00");
}

}  // namespace
}  // namespace velora
