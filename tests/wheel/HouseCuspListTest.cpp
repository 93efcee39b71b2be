#include <gtest/gtest.h>

#include "canvas/RecordingCanvas.h"
#include "wheel/HouseCuspList.h"

namespace velora {
namespace {

using Kind = DrawnPrimitive::Kind;

TEST(HouseCuspList, LineIsLabelTwoBlanksAndWidthSix) {
  EXPECT_EQ(HouseCuspLine(1, 123.44), "Asc    123.4");
  EXPECT_EQ(HouseCuspLine(8, 5.0), "VIII      5.0");
  EXPECT_EQ(HouseCuspLine(10, 359.96), "MC     360.0");
}

TEST(HouseCuspList, PlacidusOnThePictureAtWidthLess120) {
  Workspace workspace;
  RecordingCanvas canvas(529, 345);
  ListHouseCusps(workspace, canvas, ChartSource::kFirstChart, ListingPlace::kPicture);
  const auto texts = canvas.OfKind(Kind::kText);
  ASSERT_EQ(texts.size(), 13u);
  EXPECT_EQ(texts[0].text, " Плацидуса");
  EXPECT_EQ(texts[0].from, (PixelPoint{409, 25}));
  EXPECT_EQ(texts[1].from, (PixelPoint{409, 45}));
  EXPECT_EQ(texts[12].from, (PixelPoint{409, 45 + 25 * 11}));
  EXPECT_EQ(texts[1].text.substr(0, 6), "Asc   ");
  EXPECT_EQ(texts[10].text.substr(0, 6), "MC    ");
}

TEST(HouseCuspList, EqualHouseTitlesStandTwentyPixelsLeft) {
  Workspace workspace;
  workspace.settings.houseSystem = 'A';
  RecordingCanvas canvas(529, 345);
  ListHouseCusps(workspace, canvas, ChartSource::kSecondChart, ListingPlace::kPicture);
  const auto texts = canvas.OfKind(Kind::kText);
  EXPECT_EQ(texts[0].text, " Равнодомная от Асц");
  EXPECT_EQ(texts[0].from, (PixelPoint{389, 25}));
}

TEST(HouseCuspList, ListingWindowHasNoTitleForSunAndMoonHouses) {
  Workspace workspace;
  workspace.settings.houseSystem = 'S';
  RecordingCanvas canvas(300, 400);
  ListHouseCusps(workspace, canvas, ChartSource::kFirstChart, ListingPlace::kListingWindow);
  const auto texts = canvas.OfKind(Kind::kText);
  ASSERT_EQ(texts.size(), 12u);
  EXPECT_EQ(texts[0].from, (PixelPoint{130, 35}));

  workspace.settings.houseSystem = 'M';
  RecordingCanvas window(300, 400);
  ListHouseCusps(workspace, window, ChartSource::kSecondChart, ListingPlace::kListingWindow);
  const auto listed = window.OfKind(Kind::kText);
  ASSERT_EQ(listed.size(), 13u);
  EXPECT_EQ(listed[0].text, " Равнодомная от МС");
  EXPECT_EQ(listed[0].from, (PixelPoint{130, 10}));
}

}  // namespace
}  // namespace velora
