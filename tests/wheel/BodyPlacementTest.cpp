#include <gtest/gtest.h>

#include "WheelTestSupport.h"
#include "wheel/BodyPlacement.h"
#include "wheel/ChartHeader.h"
#include "wheel/ClosenessCounts.h"
#include "wheel/DailyMotion.h"
#include "wheel/PositionList.h"

namespace velora {
namespace {

using Kind = DrawnPrimitive::Kind;
using testing::Named;

// Every body far from every other, then the given positions on top.
PlanetLongitudes SpreadBodies() {
  PlanetLongitudes longitudes;
  for (int body = 1; body <= kBodyCount; ++body) longitudes[body] = 5.0 + 22.0 * body;
  return longitudes;
}

class BodyPlacement : public ::testing::Test {
 protected:
  void SetUp() override {
    workspace.resources.glyphs = testing::NamedGlyphs();
    workspace.computed.wheelCentre = {176, 172};
    workspace.computed.planetLongitudes = SpreadBodies();
    workspace.computed.planetLongitudes[kSun] = 200;
    workspace.computed.planetLongitudes[kMercury] = 205;
    workspace.computed.planetLongitudes[kVenus] = 212;
    // Mars..Saturn moved away from 200..222 so that only the three are close.
    workspace.computed.planetLongitudes[kMars] = 20;
    workspace.computed.planetLongitudes[kJupiter] = 50;
    workspace.computed.planetLongitudes[kSaturn] = 80;
    for (int body = kUranus; body <= kBodyCount; ++body) {
      workspace.computed.planetLongitudes[body] = 230 + 12.0 * (body - kUranus);
    }
  }
  Workspace workspace;
  RecordingCanvas canvas{529, 345};
};

TEST_F(BodyPlacement, CloseBodiesArePushedOutward) {
  const BodyCounts counts = ClosenessCounts(workspace.computed.planetLongitudes);
  EXPECT_EQ(counts[kSun], 2);
  EXPECT_EQ(counts[kMercury], 2);
  EXPECT_EQ(counts[kVenus], 1);
  EXPECT_EQ(BodyGlyphRadiusPixels(345, GlyphBandFactor(160), RingFactor(2, WheelRing::kInner)), 93);
  EXPECT_EQ(BodyGlyphRadiusPixels(345, GlyphBandFactor(148), RingFactor(1, WheelRing::kInner)), 77);

  PlaceBodies(workspace, canvas, WheelRing::kInner);
  const auto pictures = canvas.OfKind(Kind::kPicture);
  // Radius 93 at (360 - 200)° and (360 - 205)°, 77 at (360 - 212)°, from the centre (176, 172).
  EXPECT_EQ(Named(pictures, "Sol").at(0).from, (PixelPoint{263, 141}));
  EXPECT_EQ(Named(pictures, "Mercur").at(0).from, (PixelPoint{260, 133}));
  EXPECT_EQ(Named(pictures, "Venera").at(0).from, (PixelPoint{241, 132}));
}

TEST_F(BodyPlacement, FirstChartTicksAreBlackInsideTheInnerCircle) {
  PlaceBodies(workspace, canvas, WheelRing::kInner);
  const auto ticks = canvas.OfKind(Kind::kLine);
  ASSERT_EQ(ticks.size(), 7u);  // Sun..Saturn are shown by default
  EXPECT_EQ(ticks[0].penColour, colours::kBlack);
  // Sun at 200°: radius 55 then 48 at the wheel angle of 200°.
  EXPECT_EQ(ticks[0].from, (PixelPoint{176 + 51, 172 - 18}));
  EXPECT_EQ(ticks[0].to, (PixelPoint{176 + 45, 172 - 16}));
}

TEST_F(BodyPlacement, SecondChartTicksAreGreenAcrossTheOuterCircle) {
  workspace.computed.planetLongitudes[kSun] = 0.5;
  PlaceBodies(workspace, canvas, WheelRing::kOuter);
  const auto ticks = canvas.OfKind(Kind::kLine);
  EXPECT_EQ(ticks[0].penColour, colours::kGreen);
  // Trunc(0.38 H) = 131 and Trunc(0.42 H) = 144, about half a degree below the left.
  EXPECT_EQ(ticks[0].from.x, 176 - 130);
  EXPECT_EQ(ticks[0].to.x, 176 - 143);
  // Lone body on the outer ring: l = 0.25 + 2, band 0.2: Trunc(345 * 0.2 * 2.25) = 155.
  EXPECT_EQ(Named(canvas.OfKind(Kind::kPicture), "Sol").at(0).from.x, 176 - 154);
}

TEST_F(BodyPlacement, UncheckedBodyIsNotDrawnButStillPushesLowerBodies) {
  workspace.computed.planetLongitudes[kMars] = 203;
  workspace.settings.items.setChecked(5, false);  // Mars
  PlaceBodies(workspace, canvas, WheelRing::kInner);
  const auto pictures = canvas.OfKind(Kind::kPicture);
  EXPECT_TRUE(Named(pictures, "Mars").empty());
  // The Sun counts Mercury and the hidden Mars: l = 0.25 * 3 + 1, Trunc(345 * 0.18 * 1.75) = 108.
  const PixelPoint sun = Named(pictures, "Sol").at(0).from;
  EXPECT_EQ(sun, (PixelPoint{176 + 101, 172 - 36}));
}

TEST(GlyphBands, FollowTheWheelAngle) {
  EXPECT_DOUBLE_EQ(GlyphBandFactor(0), 0.2);
  EXPECT_DOUBLE_EQ(GlyphBandFactor(59.9), 0.2);
  EXPECT_DOUBLE_EQ(GlyphBandFactor(60), 0.18);
  EXPECT_DOUBLE_EQ(GlyphBandFactor(209.9), 0.18);
  EXPECT_DOUBLE_EQ(GlyphBandFactor(210), 0.16);
  EXPECT_DOUBLE_EQ(GlyphBandFactor(270), 0.17);
  EXPECT_DOUBLE_EQ(GlyphBandFactor(300), 0.2);
  // A longitude of exactly 0° gives t = 360.
  EXPECT_DOUBLE_EQ(GlyphBandFactor(360), 0.2);
}

TEST(Closeness, IsNotTakenAcrossZeroAries) {
  PlanetLongitudes longitudes = SpreadBodies();
  longitudes[kSun] = 359;
  longitudes[kMoon] = 1;
  for (int body = 3; body <= kBodyCount; ++body) longitudes[body] = 100 + 11.0 * body;
  const BodyCounts counts = ClosenessCounts(longitudes);
  EXPECT_EQ(counts[kSun], 1);
  EXPECT_EQ(counts[kMoon], 1);
}

TEST(DailyMotion, CrossingZeroAriesIsForwardMotion) {
  PlanetLongitudes now = SpreadBodies();
  PlanetLongitudes later = now;
  now[kMoon] = 359.5;
  later[kMoon] = 0.4;
  now[kMercury] = 100;
  later[kMercury] = 99.5;
  const PlanetLongitudes motion = DailyMotionBetween(now, later);
  EXPECT_NEAR(motion[kMoon], 0.9, 1e-9);
  EXPECT_EQ(RetrogradeMark(motion[kMoon]), " ");
  EXPECT_NEAR(motion[kMercury], -0.5, 1e-9);
  EXPECT_EQ(RetrogradeMark(motion[kMercury]), "r");
}

TEST(DailyMotion, ComputedFromTheFormLeavesTheScratchArraysADayApart) {
  Workspace workspace;
  workspace.forms.first.setMonthIndex(0);
  ComputeDailyMotion(workspace, ChartSource::kFirstChart);
  for (int body = 1; body <= kBodyCount; ++body) {
    double expected =
        workspace.computed.secondChartItems[body] - workspace.computed.firstChartItems[body];
    if (expected < -300) expected += 360;
    EXPECT_DOUBLE_EQ(workspace.computed.dailyMotion[body], expected) << body;
  }
  // The Moon moves 11..16° a day, the Sun about one degree.
  EXPECT_GT(workspace.computed.dailyMotion[kMoon], 11);
  EXPECT_LT(workspace.computed.dailyMotion[kMoon], 16);
  EXPECT_NEAR(workspace.computed.dailyMotion[kSun], 1.0, 0.05);
  // The chart input is read again afterwards: whole day, as on the form.
  EXPECT_EQ(workspace.computed.chartInput.day, 15);
}

TEST(ChartHeader, PadsDayHourAndMinuteWithBlanks) {
  ChartForm form;
  form.setDay(5);
  form.setMonthIndex(0);
  form.setYear(1980);
  form.setHour(9);
  form.setMinute(5);
  EXPECT_EQ(HeaderDateLine(form), " 5 Январь 1980");
  EXPECT_EQ(HeaderTimeLine(form), "GMT 9: 5");
  form.setMonthIndex(ChartForm::kNoMonth);
  EXPECT_EQ(HeaderDateLine(form), " 5 Выбери месяц 1980");
}

TEST(ChartHeader, FirstChartHeaderLinesAtTheLeft) {
  Workspace workspace;
  workspace.forms.first.name = "Иван";
  workspace.forms.first.setMonthIndex(0);
  RecordingCanvas canvas(529, 345);
  DrawChartPlanets(workspace, canvas, WheelChart::kFirstChart);
  const auto texts = canvas.OfKind(Kind::kText);
  ASSERT_EQ(texts.size(), 5u);
  EXPECT_EQ(texts[0].text, "Иван");
  EXPECT_EQ(texts[0].from, (PixelPoint{10, 10}));
  EXPECT_EQ(texts[1].text, "15 Январь 1980");
  EXPECT_EQ(texts[2].text, "GMT12:30");
  EXPECT_EQ(texts[3].text, "Широта 56.01");
  EXPECT_EQ(texts[3].from, (PixelPoint{10, 295}));
  EXPECT_EQ(texts[4].text, "Долгота 92.45");
  EXPECT_EQ(texts[4].from, (PixelPoint{10, 310}));
}

TEST(ChartHeader, DirectedChartHeaderAndPositions) {
  Workspace workspace;
  workspace.resources.glyphs = testing::NamedGlyphs();
  workspace.computed.wheelCentre = {176, 172};
  workspace.settings.directions.date = {7, 12, 2026};
  workspace.derived.directedLongitudes = SpreadBodies();
  RecordingCanvas canvas(529, 345);
  DrawChartPlanets(workspace, canvas, WheelChart::kDirectedChart);
  const auto texts = canvas.OfKind(Kind::kText);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, "Дирекция на дату");
  EXPECT_EQ(texts[0].from, (PixelPoint{264, 10}));  // Trunc(529 - 529 / 2)
  EXPECT_EQ(texts[1].text, "07.12.2026");
  EXPECT_EQ(workspace.computed.planetLongitudes, workspace.derived.directedLongitudes);
}

TEST(PositionList, OneLinePerShownBody) {
  Workspace workspace;
  workspace.resources.glyphs = testing::NamedGlyphs();
  workspace.derived.directedLongitudes = SpreadBodies();
  workspace.derived.directedLongitudes[kSun] =
      60;  // an exact multiple of 30° stays in Aries+1 at 30°
  workspace.derived.directedLongitudes[kMoon] = 123.99;  // Leo 3°59'
  workspace.computed.dailyMotion[kSun] = -1;
  RecordingCanvas canvas(529, 345);
  ListChartPositions(workspace, canvas, WheelChart::kDirectedChart, ListingPlace::kPicture);
  const auto pictures = canvas.OfKind(Kind::kPicture);
  ASSERT_EQ(pictures.size(), 14u);  // seven shown bodies, each with its sign
  EXPECT_EQ(pictures[0].text, "Sol");
  EXPECT_EQ(pictures[0].from, (PixelPoint{309, 45}));  // Trunc(529 - 220), 20 + 25
  EXPECT_EQ(pictures[1].text, "Telec");
  EXPECT_EQ(pictures[1].from, (PixelPoint{359, 45}));
  EXPECT_EQ(pictures[3].text, "Lew");
  EXPECT_EQ(pictures[3].from.y, 70);
  const auto texts = canvas.OfKind(Kind::kText);
  ASSERT_EQ(texts.size(), 21u);
  EXPECT_EQ(texts[0].text, " ");  // kind 5 sets every motion to 1: no retrograde mark
  EXPECT_EQ(texts[0].from, (PixelPoint{326, 45}));
  EXPECT_EQ(texts[1].text, "30");
  EXPECT_EQ(texts[1].from, (PixelPoint{329, 45}));
  EXPECT_EQ(texts[2].text, " 0");
  EXPECT_EQ(texts[2].from, (PixelPoint{379, 45}));
  EXPECT_EQ(texts[4].text, " 3");
  EXPECT_EQ(texts[5].text, "59");
}

TEST(PositionList, RetrogradeBodiesAreMarked) {
  Workspace workspace;
  workspace.resources.glyphs = testing::NamedGlyphs();
  workspace.computed.planetLongitudes = SpreadBodies();
  workspace.computed.dailyMotion[kMercury] = -0.3;
  RecordingCanvas canvas(400, 400);
  WritePositionList(workspace, canvas, 10, 10);
  const auto texts = canvas.OfKind(Kind::kText);
  EXPECT_EQ(texts[6].text, "r");  // Mercury's line is the third
  EXPECT_EQ(texts[6].from, (PixelPoint{27, 85}));
  EXPECT_EQ(texts[0].text, " ");
}

}  // namespace
}  // namespace velora
