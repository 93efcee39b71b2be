#include <gtest/gtest.h>

#include "aspects/AspectList.h"
#include "common/UserError.h"
#include "settings/AspectSettings.h"
#include "workspace/ChartItems.h"

namespace velora {
namespace {

TEST(AspectSettings, DefaultsAndColours) {
  AspectSettings settings;
  EXPECT_EQ(settings.entries(), (std::vector<std::string>{"0", "60", "90", "120", "180"}));
  AspectColours colours;
  const AspectList list = ReadAspectList(settings, colours);
  ASSERT_EQ(list.count, 5);
  EXPECT_DOUBLE_EQ(list.anglesDegrees[4], 120);
  EXPECT_EQ(colours[1], colours::kYellow);
  EXPECT_EQ(colours[2], colours::kFuchsia);
  EXPECT_EQ(colours[3], colours::kBlue);
  EXPECT_EQ(colours[4], colours::kRed);
  EXPECT_EQ(colours[5], colours::kNavy);
  EXPECT_EQ(colours[10], colours::kMaroon);
  // Reading walks the list and leaves the last entry selected.
  EXPECT_EQ(settings.selectedIndex(), 4);
}

TEST(AspectSettings, AddedAngleTakesTheSixthColour) {
  AspectSettings settings;
  settings.Add("150");
  settings.Add("");
  AspectColours colours;
  const AspectList list = ReadAspectList(settings, colours);
  ASSERT_EQ(list.count, 6);
  EXPECT_DOUBLE_EQ(list.anglesDegrees[6], 150);
  EXPECT_EQ(colours[6], colours::kAqua);
}

TEST(AspectSettings, DeletingShiftsLaterAnglesToEarlierColours) {
  AspectSettings settings;
  settings.Select(2);  // "90"
  settings.RemoveSelected();
  EXPECT_EQ(settings.entries(), (std::vector<std::string>{"0", "60", "120", "180"}));
  EXPECT_EQ(settings.selectedIndex(), AspectSettings::kNoSelection);
  AspectColours colours;
  const AspectList list = ReadAspectList(settings, colours);
  EXPECT_DOUBLE_EQ(list.anglesDegrees[3], 120);
  EXPECT_EQ(colours[3], colours::kBlue);
  EXPECT_DOUBLE_EQ(list.anglesDegrees[4], 180);
  EXPECT_EQ(colours[4], colours::kRed);
}

TEST(AspectSettings, RemovingWithNothingSelectedDoesNothing) {
  AspectSettings settings;
  settings.RemoveSelected();
  EXPECT_EQ(settings.entryCount(), 5);
}

TEST(AspectSettings, AnEleventhAngleIsRefused) {
  AspectSettings settings;
  for (int angle = 1; angle <= 5; ++angle) settings.Add(std::to_string(angle * 7));
  ASSERT_EQ(settings.entryCount(), 10);
  EXPECT_THROW(settings.Add("150"), UserError);
  EXPECT_EQ(settings.entryCount(), 10);
  EXPECT_EQ(settings.entries().back(), "35");
}

TEST(AspectSettings, TextIsKeptUnchangedAndCheckedOnlyWhenRead) {
  AspectSettings settings;
  settings.Add("x1");
  EXPECT_EQ(settings.entries().back(), "x1");
  AspectColours colours;
  try {
    ReadAspectList(settings, colours);
    FAIL() << "no error for a non-numeric entry";
  } catch (const UserError& error) {
    EXPECT_EQ(std::string(error.what()), "'x1' не является числом (список аспектов)");
  }
  EXPECT_EQ(settings.selectedIndex(), 5);
}

TEST(AspectSettings, SwatchColourFollowsItsPosition) {
  AspectSettings settings;
  settings.setSwatchColour(1, colours::kLime);
  AspectColours colours;
  ReadAspectColours(settings, colours);
  EXPECT_EQ(colours[1], colours::kLime);
}

TEST(ChartItems, NamesRahuAsVUz) {
  EXPECT_EQ(kItemNames[13], "ВУз");
  EXPECT_EQ(kItemNames[17], "Asc");
  EXPECT_EQ(kItemNames[18], "MC");
}

}  // namespace
}  // namespace velora
