#include <gtest/gtest.h>

#include "WheelTestSupport.h"
#include "wheel/ChartHouses.h"
#include "wheel/ZodiacWheel.h"

namespace velora {
namespace {

using Kind = DrawnPrimitive::Kind;
using testing::Named;
using testing::WithPen;

constexpr int kPictureWidth = 529;
constexpr int kPictureHeight = 345;

class ZodiacWheel : public ::testing::Test {
 protected:
  void SetUp() override {
    workspace.resources.glyphs = testing::NamedGlyphs();
    DrawWheel(workspace, canvas);
  }
  Workspace workspace;
  RecordingCanvas canvas{kPictureWidth, kPictureHeight};
};

TEST_F(ZodiacWheel, CentreIsAThirdAcrossAndHalfDown) {
  EXPECT_EQ(workspace.computed.wheelCentre, (WheelCentre{176, 172}));
}

TEST_F(ZodiacWheel, DrawsFourCirclesOuterFirst) {
  const auto circles = canvas.OfKind(Kind::kEllipse);
  ASSERT_EQ(circles.size(), 4u);
  const int radii[] = {138, 121, 69, 55};
  for (std::size_t n = 0; n < 4; ++n) {
    EXPECT_EQ(circles[n].from, (PixelPoint{176 - radii[n], 172 - radii[n]})) << radii[n];
    EXPECT_EQ(circles[n].to, (PixelPoint{176 + radii[n], 172 + radii[n]})) << radii[n];
    EXPECT_EQ(circles[n].penColour, colours::kBlack);
  }
}

TEST_F(ZodiacWheel, SignBoundariesRunRedFromInnerToOuterCircle) {
  const auto red = WithPen(canvas.OfKind(Kind::kLine), colours::kRed);
  // Twelve spokes; a thirteenth may only repeat the first when the summed step falls short.
  ASSERT_GE(red.size(), 12u);
  ASSERT_LE(red.size(), 13u);
  if (red.size() == 13u) {
    EXPECT_EQ(red[12].from, red[0].from);
  }
  EXPECT_EQ(red[0].from, (PixelPoint{38, 172}));  // 0° on the outer circle, left of the centre
  EXPECT_EQ(red[0].to, (PixelPoint{121, 172}));   // 0.4 R = 55
}

TEST_F(ZodiacWheel, ScaleTicksEveryTenAndFiveDegrees) {
  const auto lines = canvas.OfKind(Kind::kLine);
  const auto green = WithPen(lines, colours::kGreen);
  const auto black = WithPen(lines, colours::kBlack);
  EXPECT_GE(green.size(), 36u);
  EXPECT_LE(green.size(), 37u);
  EXPECT_GE(black.size(), 72u);
  EXPECT_LE(black.size(), 73u);
  EXPECT_EQ(green[0].from, (PixelPoint{176 - 69, 172}));
  EXPECT_EQ(black[0].from, (PixelPoint{176 - 62, 172}));  // Trunc(0.45 R) = 62
}

TEST_F(ZodiacWheel, SignGlyphsSitByTheirTable) {
  const auto pictures = canvas.OfKind(Kind::kPicture);
  ASSERT_EQ(pictures.size(), 12u);
  // Aries at 348°, Trunc(138 * 0.97) = 133: (176 - Trunc(133 cos 348°), 172 - Trunc(133 sin 348°)).
  const auto aries = Named(pictures, "Owen");
  ASSERT_EQ(aries.size(), 1u);
  EXPECT_EQ(aries[0].from, (PixelPoint{46, 199}));
  EXPECT_EQ(pictures.back().text, "Riba");
}

TEST(HouseCusps, CuspAtZeroIsLeftOfTheCentreAndAtNinetyBelowIt) {
  RecordingCanvas canvas(kPictureWidth, kPictureHeight);
  HouseCusps cusps;
  for (int cusp = 1; cusp <= 12; ++cusp) cusps[cusp] = 30.0 * (cusp - 1);
  DrawHouseCusps(canvas, cusps, WheelRing::kInner);
  const auto lines = canvas.OfKind(Kind::kLine);
  ASSERT_EQ(lines.size(), 15u);  // 12 purple, then Asc and Desc blue, MC green
  // Outer end Trunc(0.45 H) = 155 and inner end Trunc(0.16 H) = 55 from the centre; the
  // shortened 2 pi leaves cos just below 1, so the outer end lands one pixel short.
  EXPECT_EQ(lines[0].from, (PixelPoint{22, 172}));
  EXPECT_EQ(lines[0].to, (PixelPoint{122, 172}));
  EXPECT_EQ(lines[3].from, (PixelPoint{176, 326}));
  EXPECT_EQ(lines[3].to, (PixelPoint{176, 226}));
  EXPECT_EQ(lines[0].penColour, colours::kPurple);
  EXPECT_EQ(lines[12].penColour, colours::kBlue);
  EXPECT_EQ(lines[12].from, lines[0].from);
  EXPECT_EQ(lines[13].from, lines[6].from);
  EXPECT_EQ(lines[14].penColour, colours::kGreen);
  EXPECT_EQ(lines[14].from, lines[9].from);

  const auto labels = canvas.OfKind(Kind::kText);
  ASSERT_EQ(labels.size(), 15u);
  EXPECT_EQ(labels[0].text, "Asc ");
  EXPECT_EQ(labels[0].from, (PixelPoint{19, 172}));  // Trunc(0.46 H) = 158
  EXPECT_EQ(labels[7].text, "VIII ");
  EXPECT_EQ(labels[14].text, "MC  ");
}

TEST(HouseCusps, SecondChartCuspsAreShortLinesOutsideTheZodiac) {
  RecordingCanvas canvas(kPictureWidth, kPictureHeight);
  HouseCusps cusps;
  for (int cusp = 1; cusp <= 12; ++cusp) cusps[cusp] = 30.0 * (cusp - 1);
  DrawHouseCusps(canvas, cusps, WheelRing::kOuter);
  const auto lines = canvas.OfKind(Kind::kLine);
  // Trunc(0.35 H) = 120, one pixel short at the shortened 2 pi.
  EXPECT_EQ(lines[0].to, (PixelPoint{57, 172}));
}

}  // namespace
}  // namespace velora
