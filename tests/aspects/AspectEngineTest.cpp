#include <gtest/gtest.h>

#include "aspects/AspectChord.h"
#include "aspects/AspectLines.h"
#include "aspects/AspectTest.h"
#include "aspects/CrossAspects.h"
#include "aspects/RadixAspects.h"
#include "canvas/RecordingCanvas.h"
#include "common/UserError.h"

namespace velora {
namespace {

using Kind = DrawnPrimitive::Kind;

TEST(AspectTest, TrineAcrossZeroAries) {
  // Sun 10°, Moon 250°: 240 folds to 120; orb (10 + 10) / 2.
  EXPECT_DOUBLE_EQ(SeparationDegrees(10, 250), 120);
  EXPECT_TRUE(AspectMatches(10, 250, 10, 10, true, true, 120));
  EXPECT_FALSE(AspectMatches(10, 250, 10, 10, true, true, 90));
}

TEST(AspectTest, TheEdgeOfTheBandIsNoAspect) {
  // 0° and 174°, orbs 10 and 2: mean 6, and 174 > 180 - 6 is false.
  EXPECT_DOUBLE_EQ(PairOrbDegrees(10, 2), 6);
  EXPECT_FALSE(AspectMatches(0, 174, 10, 2, true, true, 180));
  EXPECT_TRUE(AspectMatches(0, 174.01, 10, 2, true, true, 180));
  EXPECT_FALSE(AspectMatches(0, 6, 10, 2, true, true, 0));
}

TEST(AspectTest, OrbIsTheMeanNotTheSumOrTheLarger) {
  // Transit preset: Sun 1.2, Moon 6.5 → 3.85.
  EXPECT_TRUE(AspectMatches(100, 103.8, 1.2, 6.5, true, true, 0));
  EXPECT_FALSE(AspectMatches(100, 103.9, 1.2, 6.5, true, true, 0));
}

TEST(AspectTest, AnExcludedItemNeverTakesPart) {
  EXPECT_FALSE(AspectMatches(10, 10, 90, 90, false, true, 0));
  EXPECT_FALSE(AspectMatches(10, 10, 90, 90, true, false, 0));
}

TEST(AspectChord, RunsFromTheSecondLongitudeToTheFirstOnTheInnermostCircle) {
  RecordingCanvas canvas(529, 345);
  EXPECT_EQ(AspectChordRadiusPixels(345), 48);
  DrawAspectChord(canvas, 48, colours::kRed, 250, 10);
  const auto lines = canvas.OfKind(Kind::kLine);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].penColour, colours::kRed);
  // 10° and 250° at radius 48 about (176, 172), angle (360 - λ) / 57.29578.
  EXPECT_EQ(lines[0].from, (PixelPoint{129, 180}));
  EXPECT_EQ(lines[0].to, (PixelPoint{192, 127}));
}

struct RuleSet {
  AspectList list;
  AspectColours colours;
  ItemOrbs orbs;
  ItemFlags flags;
  AspectRules rules() const { return {list, colours, orbs, flags}; }
};

RuleSet DefaultRules(std::initializer_list<double> angles) {
  RuleSet set;
  AspectSettings settings;
  ReadAspectColours(settings, set.colours);
  for (double angle : angles) set.list.anglesDegrees[++set.list.count] = angle;
  for (int item = 1; item <= kItemCount; ++item) {
    set.orbs[item] = 5;
    set.flags[item] = 0;
  }
  return set;
}

// Items far apart from each other, none within any aspect of the others.
ChartItemLongitudes Scattered() {
  ChartItemLongitudes items;
  const double spots[] = {0,    7.3,  14.9, 23.1,  31.7,  38.2,  45.5,  52.6,  66.4,
                          74.2, 81.7, 97.3, 103.6, 112.1, 126.8, 133.3, 141.9, 158.5};
  for (int item = 1; item <= kItemCount; ++item) items[item] = spots[item - 1];
  return items;
}

TEST(AspectLines, TwoOverlappingAnglesGiveTwoLinesInListOrder) {
  RuleSet set = DefaultRules({0, 5});
  set.flags[1] = set.flags[2] = 1;
  ChartItemLongitudes items = Scattered();
  items[1] = 100;
  items[2] = 102;
  RecordingCanvas canvas(529, 345);
  DrawAspectsWithinChart(canvas, set.rules(), items);
  const auto lines = canvas.OfKind(Kind::kLine);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].penColour, colours::kYellow);
  EXPECT_EQ(lines[1].penColour, colours::kFuchsia);
  EXPECT_EQ(lines[0].from, lines[1].from);
  EXPECT_EQ(lines[0].to, lines[1].to);
}

TEST(AspectLines, WithinAChartEveryPairIsTestedOnce) {
  RuleSet set = DefaultRules({0});
  for (int item = 1; item <= kItemCount; ++item) set.flags[item] = 1;
  ChartItemLongitudes items;
  for (int item = 1; item <= kItemCount; ++item) items[item] = 42;
  RecordingCanvas canvas(529, 345);
  DrawAspectsWithinChart(canvas, set.rules(), items);
  EXPECT_EQ(canvas.OfKind(Kind::kLine).size(), 18u * 17u / 2u);
}

TEST(AspectLines, BetweenChartsABodyMeetsItsOwnCounterpart) {
  RuleSet set = DefaultRules({0, 60, 90, 120, 180});
  set.flags[kSun] = 1;
  const ChartItemLongitudes first = Scattered();
  RecordingCanvas canvas(529, 345);
  DrawAspectsBetweenCharts(canvas, set.rules(), first, first);
  const auto lines = canvas.OfKind(Kind::kLine);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].from, lines[0].to);  // a zero-length line
  EXPECT_EQ(lines[0].penColour, colours::kYellow);
}

TEST(AspectLines, BetweenChartsAllOrderedPairsAreTested) {
  RuleSet set = DefaultRules({0});
  for (int item = 1; item <= kItemCount; ++item) set.flags[item] = 1;
  ChartItemLongitudes items;
  for (int item = 1; item <= kItemCount; ++item) items[item] = 42;
  RecordingCanvas canvas(529, 345);
  DrawAspectsBetweenCharts(canvas, set.rules(), items, items);
  EXPECT_EQ(canvas.OfKind(Kind::kLine).size(), 324u);
}

TEST(CrossAspects, SameMomentInBothChartsDrawsASelfConjunctionForEveryIncludedItem) {
  Workspace workspace;
  workspace.forms.first.setMonthIndex(5);
  workspace.forms.second = workspace.forms.first;
  workspace.settings.aspects = AspectSettings();
  RecordingCanvas canvas(529, 345);
  DrawCrossAspects(workspace, canvas);
  EXPECT_EQ(workspace.computed.firstChartItems, workspace.computed.secondChartItems);
  int zeroLength = 0;
  for (const DrawnPrimitive& line : canvas.OfKind(Kind::kLine)) {
    if (line.from == line.to && line.penColour == colours::kYellow) ++zeroLength;
  }
  // Sun..Saturn, Asc and MC are included by default; each meets itself. Other conjunctions of
  // distinct bodies may add more yellow lines, but never fewer than nine zero-length ones.
  EXPECT_GE(zeroLength, 9);
}

TEST(RadixAspects, ANonNumericEntryStopsTheCommandAndDrawsNothing) {
  Workspace workspace;
  workspace.settings.aspects.Add("abc");
  RecordingCanvas canvas(529, 345);
  try {
    DrawRadixAspects(workspace, canvas);
    FAIL() << "no error for a non-numeric aspect";
  } catch (const UserError& error) {
    EXPECT_NE(std::string(error.what()).find("'abc'"), std::string::npos) << error.what();
  }
  EXPECT_TRUE(canvas.primitives().empty());
}

TEST(RadixAspects, AnEmptyListDrawsNothing) {
  Workspace workspace;
  for (int n = 0; n < 5; ++n) {
    workspace.settings.aspects.Select(0);
    workspace.settings.aspects.RemoveSelected();
  }
  RecordingCanvas canvas(529, 345);
  DrawRadixAspects(workspace, canvas);
  EXPECT_TRUE(canvas.primitives().empty());
}

TEST(RadixAspects, LinesMatchTheTestOverTheComputedItems) {
  Workspace workspace;
  workspace.forms.first.setMonthIndex(0);
  RecordingCanvas canvas(529, 345);
  DrawRadixAspects(workspace, canvas);
  // Recount with the test itself over the same chart.
  workspace.ComputeChart(ChartSource::kFirstChart);
  HouseCusps cusps;
  workspace.ComputeHousesOf(ChartSource::kFirstChart, cusps);
  ChartItemLongitudes items;
  for (int body = 1; body <= kBodyCount; ++body) {
    items[body] = workspace.computed.planetLongitudes[body];
  }
  items[17] = cusps[1];
  items[18] = cusps[10];
  EXPECT_EQ(workspace.ComputeChartItems(ChartSource::kFirstChart), items);
  const double angles[] = {0, 60, 90, 120, 180};
  std::size_t expected = 0;
  for (int i = 1; i < kItemCount; ++i) {
    for (int j = i + 1; j <= kItemCount; ++j) {
      for (double angle : angles) {
        const bool included =
            workspace.settings.items.itemIncluded(i) && workspace.settings.items.itemIncluded(j);
        if (AspectMatches(items[i], items[j], workspace.computed.itemOrbs[i],
                          workspace.computed.itemOrbs[j], included, included, angle)) {
          ++expected;
        }
      }
    }
  }
  EXPECT_GT(expected, 0u);
  EXPECT_EQ(canvas.OfKind(Kind::kLine).size(), expected);
}

}  // namespace
}  // namespace velora
