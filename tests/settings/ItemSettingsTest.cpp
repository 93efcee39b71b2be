#include "settings/ItemSettings.h"

#include <gtest/gtest.h>

namespace velora {
namespace {

struct Applied {
  ItemOrbs orbs;
  ItemFlags flags;
};

Applied ApplyAll(const ItemSettings& settings, ItemOrbs orbs = {}) {
  Applied applied{orbs, {}};
  for (int item = 1; item <= kItemCount; ++item) {
    ApplyItemSetting(item, settings, applied.orbs, applied.flags);
  }
  return applied;
}

TEST(ItemSettings, StartWithTheRadixOrbsAndTheClassicalBodiesIncluded) {
  const ItemSettings settings;
  const Applied applied = ApplyAll(settings);
  const double orbs[] = {10, 10, 6, 6, 5, 3, 3};
  for (int item = 1; item <= 7; ++item) {
    EXPECT_EQ(applied.flags[item], 1) << item;
    EXPECT_EQ(applied.orbs[item], orbs[item - 1]) << item;
  }
  for (int item = 8; item <= 16; ++item) {
    EXPECT_EQ(applied.flags[item], 0) << item;
    EXPECT_EQ(applied.orbs[item], 0) << item;  // never written while excluded
  }
  EXPECT_EQ(applied.flags[kAscendantItem], 1);
  EXPECT_EQ(applied.orbs[kAscendantItem], 5);
  EXPECT_EQ(applied.flags[kMcItem], 1);
  EXPECT_EQ(applied.orbs[kMcItem], 5);
  EXPECT_EQ(settings.orbText(12), "0.5");
  EXPECT_EQ(ItemSettings::BoxCaption(13), "Раху и Кету");
}

TEST(ItemSettings, BothNodesFollowOneBoxAndOneOrb) {
  ItemSettings settings;
  settings.setChecked(13, true);
  settings.setOrbText(13, "1.5");
  Applied applied = ApplyAll(settings);
  EXPECT_EQ(applied.flags[13], 1);
  EXPECT_EQ(applied.flags[14], 1);
  EXPECT_EQ(applied.orbs[13], 1.5);
  EXPECT_EQ(applied.orbs[14], 1.5);
  // Selena, Lilith, Asc and MC follow the boxes after the shared one.
  settings.setChecked(14, true);
  settings.setOrbText(14, "0.7");
  settings.setOrbText(17, "4");
  applied = ApplyAll(settings);
  EXPECT_EQ(applied.orbs[15], 0.7);
  EXPECT_EQ(applied.flags[16], 0);
  EXPECT_EQ(applied.orbs[kMcItem], 4);
  settings.setChecked(13, false);
  applied = ApplyAll(settings);
  EXPECT_EQ(applied.flags[13], 0);
  EXPECT_EQ(applied.flags[14], 0);
}

TEST(ItemSettings, TransitPresetGivesTheMoonAWideOrb) {
  ItemSettings settings;
  settings.LoadPreset(OrbPreset::kTransit);
  const Applied applied = ApplyAll(settings);
  EXPECT_EQ(applied.orbs[1], 1.2);
  EXPECT_EQ(applied.orbs[2], 6.5);
  EXPECT_DOUBLE_EQ((applied.orbs[1] + applied.orbs[2]) / 2, 3.85);
  EXPECT_EQ(settings.orbText(8), "0.5");
  EXPECT_EQ(settings.orbText(16), "1");
}

TEST(ItemSettings, PresetsChangeOnlyTheOrbTexts) {
  ItemSettings settings;
  settings.setChecked(1, false);
  settings.LoadPreset(OrbPreset::kSynastry);
  EXPECT_FALSE(settings.checked(1));
  for (int box = 3; box <= kItemBoxCount; ++box) EXPECT_EQ(settings.orbText(box), "6") << box;
  settings.LoadPreset(OrbPreset::kDirections);
  EXPECT_EQ(settings.orbText(1), "2");
  EXPECT_EQ(settings.orbText(2), "1.5");
  settings.LoadPreset(OrbPreset::kRadix);
  EXPECT_EQ(settings.orbText(1), ItemSettings().orbText(1));
  EXPECT_EQ(settings.orbText(15), "0.5");
}

TEST(ItemSettings, ExcludedItemKeepsItsLastOrb) {
  ItemSettings settings;
  settings.setChecked(8, true);
  Applied applied = ApplyAll(settings);
  EXPECT_EQ(applied.orbs[8], 2);
  settings.setChecked(8, false);
  settings.setOrbText(8, "9");
  applied = ApplyAll(settings, applied.orbs);
  EXPECT_EQ(applied.flags[8], 0);
  EXPECT_EQ(applied.orbs[8], 2);
}

TEST(ItemSettings, OrbTextThatIsNotANumberCountsAsZero) {
  ItemSettings settings;
  settings.setOrbText(1, "десять");
  settings.setOrbText(2, "");
  settings.setOrbText(3, "2,5");
  const Applied applied = ApplyAll(settings, ItemOrbs{});
  EXPECT_EQ(applied.orbs[1], 0);
  EXPECT_EQ(applied.flags[1], 1);
  EXPECT_EQ(applied.orbs[2], 0);
  EXPECT_EQ(applied.orbs[3], 2.5);
}

TEST(ItemSettings, ToggleButtonChecksThenClearsAfterActivation) {
  ItemSettings settings;
  settings.OnWindowActivated();
  settings.PressToggleAll();
  for (int box = 1; box <= kItemBoxCount; ++box) EXPECT_TRUE(settings.checked(box)) << box;
  settings.PressToggleAll();
  for (int box = 1; box <= kItemBoxCount; ++box) EXPECT_FALSE(settings.checked(box)) << box;
  settings.PressToggleAll();
  EXPECT_TRUE(settings.checked(5));
  // Twice right after opening leaves every box unchecked, whatever the state was.
  settings.OnWindowActivated();
  settings.PressToggleAll();
  settings.PressToggleAll();
  for (int box = 1; box <= kItemBoxCount; ++box) EXPECT_FALSE(settings.checked(box)) << box;
}

}  // namespace
}  // namespace velora
