#include "interpretation/DirectionsComposer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "LibraryFixture.h"
#include "aspects/AspectTest.h"
#include "common/UserError.h"
#include "interpretation/CipherKeys.h"

namespace velora {
namespace {

using Set = DirectionsAspectSet;

TEST(DirectionOrbs, FollowThePairsIndexes) {
  EXPECT_EQ(DirectionOrbDegrees(1, 2, 90, Set::kSixMajor), 2.0);  // Sun and Moon
  EXPECT_EQ(DirectionOrbDegrees(2, 5, 90, Set::kSixMajor), 1.5);
  EXPECT_EQ(DirectionOrbDegrees(5, 4, 90, Set::kSixMajor), 1.0);  // Mars and Venus
  // In the sixteen set the minor angles have 1.0, even for the Sun.
  EXPECT_EQ(DirectionOrbDegrees(1, 7, 30, Set::kSixteen), 1.0);
  EXPECT_EQ(DirectionOrbDegrees(1, 7, 90, Set::kSixteen), 2.0);
  EXPECT_EQ(DirectionOrbDegrees(7, 1, 144, Set::kSixteen), 1.0);
}

TEST(DirectionOrbs, TheBandIsInclusive) {
  EXPECT_TRUE(DirectionAspectHolds(92.0, 90, 2.0));
  EXPECT_TRUE(DirectionAspectHolds(88.0, 90, 2.0));
  EXPECT_FALSE(DirectionAspectHolds(92.01, 90, 2.0));
  EXPECT_TRUE(DirectionAspectHolds(0.0, 0, 1.0));
}

TEST(DirectionAngles, SixAndSixteenWithTheirKeys) {
  const auto six = DirectionAngles(Set::kSixMajor);
  const auto sixteen = DirectionAngles(Set::kSixteen);
  ASSERT_EQ(six.size(), 6u);
  ASSERT_EQ(sixteen.size(), 16u);
  EXPECT_EQ(six[0].key, "[0");
  EXPECT_EQ(sixteen[7].key, ",80");
  EXPECT_EQ(sixteen[7].degrees, 80);
}

TEST(DirectionsLibraryItems, CoverEveryTripleBothSetsCanForm) {
  const std::vector<EntryItem> items = DirectionsLibraryItems();
  EXPECT_EQ(items.size(), 16u * 16 * 16 + 16u * 16 * 12 + 12u * 6 * 16);
  // No key of one kind lies inside another of the same kind ("[H1]" in "[H10]").
  std::vector<std::string> keys;
  for (const EntryItem& item : items) keys.insert(keys.end(), item.keys.begin(), item.keys.end());
  std::sort(keys.begin(), keys.end());
  keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
  for (const std::string& a : keys) {
    for (const std::string& b : keys) {
      if (a != b) {
        EXPECT_EQ(b.find(a), std::string::npos) << a << " in " << b;
      }
    }
  }
}

class DirectionsComposerTest : public testing::LibraryFixture {
 protected:
  DirectionsComposerTest() {
    workspace.forms.first.name = "Анна";
    workspace.forms.first.setMonthIndex(0);  // 15 January 1980
  }

  InterpretationText Compose() {
    InterpretationText out;
    ComposeDirections(workspace, folder.path(), out);
    return out;
  }

  static bool Has(const InterpretationText& out, const std::string& line) {
    return std::find(out.lines.begin(), out.lines.end(), line) != out.lines.end();
  }

  Workspace workspace;
};

TEST_F(DirectionsComposerTest, ZeroArcConjoinsEveryPointWithItselfAndShowsItsEntry) {
  workspace.settings.directions.date = {15, 1, 1980};
  WriteEnciphered("Dann/Direc/Direkc.TXT",
                  {"вступление, которое не показывается", "[+SOL] [0 [SOL]", "Солнце к Солнцу.",
                   "[+SOL] 90 [SEL]", "Квадрат к Луне.", "[[[[["},
                  DirectionsCipherKey());
  const InterpretationText out = Compose();
  EXPECT_EQ(out.lines[0], "   Дирекция Анна  на  15.01.1980");
  EXPECT_EQ(out.lines[1], "Приращение =     0.00");
  EXPECT_TRUE(Has(out, " Дирекцион. Солнце   0.0  к радиксн. Солнце"));
  EXPECT_TRUE(Has(out, " Дирекцион. Лилит   0.0  к радиксн. Лилит"));
  // The Sun stands 0.8° before the sixth cusp: a conjunction within the Sun's 2.0.
  EXPECT_TRUE(Has(out, " Дирекцион. Солнце   0.8  к радиксному VI дому"));
  EXPECT_TRUE(Has(out, " Дирекцион. VI   0.8  к радиксной Солнце"));
  // The heading is replaced by a blank line; the entry that matches nothing is left out.
  const auto title =
      std::find(out.lines.begin(), out.lines.end(), "Описание Дирекций гороскопа   Анна");
  ASSERT_NE(title, out.lines.end());
  ASSERT_GE(out.lines.end() - title, 4);
  EXPECT_EQ(*(title + 1), " ");
  EXPECT_EQ(*(title + 2), " ");
  EXPECT_EQ(*(title + 3), "Солнце к Солнцу.");
  EXPECT_FALSE(Has(out, "Квадрат к Луне."));
  EXPECT_FALSE(Has(out, "вступление, которое не показывается"));
}

TEST_F(DirectionsComposerTest, SixteenSetHasNoDirectedHousesList) {
  workspace.settings.directions.date = {15, 1, 1980};
  workspace.settings.directions.aspectSet = Set::kSixteen;
  WriteEnciphered("Dann/Direc/Direkc.TXT", {"[[[[["}, DirectionsCipherKey());
  const InterpretationText out = Compose();
  EXPECT_TRUE(Has(out, "Аспекты дирекционных планет к радиксным домам"));
  EXPECT_FALSE(Has(out, "Аспекты дирекционных домов к радиксным планетам"));
  // The sixteen set writes the house lines without " дому".
  EXPECT_TRUE(Has(out, " Дирекцион. Солнце   0.8  к радиксн. VI"));
  EXPECT_FALSE(Has(out, " Дирекцион. Солнце   0.8  к радиксному VI дому"));
}

TEST_F(DirectionsComposerTest, MissingLibraryStopsAfterTheLists) {
  workspace.settings.directions.date = {8, 12, 2026};
  InterpretationText out;
  EXPECT_THROW(ComposeDirections(workspace, folder.path(), out), UserError);
  EXPECT_EQ(out.lines.back(), " ");
  EXPECT_TRUE(Has(out, "Описание Дирекций гороскопа   Анна"));
}

TEST_F(DirectionsComposerTest, EveryListedAspectHoldsWithinItsFixedOrb) {
  workspace.settings.directions.date = {8, 12, 2026};
  WriteEnciphered("Dann/Direc/Direkc.TXT", {"[[[[["}, DirectionsCipherKey());
  const InterpretationText out = Compose();
  const DirectedChart chart = ComputeDirections(workspace);
  // Recount the body-to-body aspects of the six set and compare with the lines written.
  int expected = 0;
  for (int x = 1; x <= kBodyCount; ++x) {
    for (int y = 1; y <= kBodyCount; ++y) {
      const double s =
          FoldedSeparationDegrees(chart.radixLongitudes[x], chart.directedLongitudes[y]);
      for (const DirectionAngle& angle : DirectionAngles(Set::kSixMajor)) {
        if (DirectionAspectHolds(s, angle.degrees,
                                 DirectionOrbDegrees(x, y, angle.degrees, Set::kSixMajor))) {
          ++expected;
        }
      }
    }
  }
  const auto begin = std::find(out.lines.begin(), out.lines.end(),
                               "Аспекты дирекционных планет к радиксным планетам");
  const auto end = std::find(out.lines.begin(), out.lines.end(),
                             "Аспекты дирекционных планет к радиксным домам");
  ASSERT_LT(begin, end);
  EXPECT_GT(expected, 0);
  EXPECT_EQ(end - begin - 2, expected);  // the list and the blank before the next title
}

}  // namespace
}  // namespace velora
