#include "common/CaseInsensitivePath.h"

#include <gtest/gtest.h>

#include "TemporaryFolder.h"

namespace velora {
namespace {

TEST(FindPathIgnoringCase, FindsANameThatDiffersOnlyInAsciiCase) {
  testing::TemporaryFolder folder;
  const auto file = folder.Write("Dann/Radix/Begin.TXT", "x");
  EXPECT_EQ(FindPathIgnoringCase(folder.path(), "\\Dann\\Radix\\Begin.TXT"), file);
  EXPECT_EQ(FindPathIgnoringCase(folder.path(), "\\dann\\RADIX\\begin.txt"), file);
  EXPECT_EQ(FindPathIgnoringCase(folder.path(), "dann/radix/BEGIN.txt"), file);
}

TEST(FindPathIgnoringCase, PrefersTheExactSpelling) {
  testing::TemporaryFolder folder;
  const auto lower = folder.Write("a.txt", "lower");
  const auto upper = folder.Write("A.txt", "upper");
  EXPECT_EQ(FindPathIgnoringCase(folder.path(), "a.txt"), lower);
  EXPECT_EQ(FindPathIgnoringCase(folder.path(), "A.txt"), upper);
  EXPECT_EQ(FindPathIgnoringCase(folder.path(), "a.TXT"), upper);  // first in name order
}

TEST(FindPathIgnoringCase, ReportsWhatIsNotThere) {
  testing::TemporaryFolder folder;
  folder.Write("Dann/Файл.txt", "x");
  EXPECT_FALSE(FindPathIgnoringCase(folder.path(), "\\Dann\\Missing.txt").has_value());
  EXPECT_FALSE(FindPathIgnoringCase(folder.path(), "\\Nowhere\\Missing.txt").has_value());
  // Only ASCII letters are folded.
  EXPECT_FALSE(FindPathIgnoringCase(folder.path(), "\\Dann\\файл.txt").has_value());
}

TEST(PathAsSpelled, TurnsBackslashesIntoFolders) {
  EXPECT_EQ(PathAsSpelled("/data", "\\Dann\\Radix\\PLZODIAC.txt"),
            std::filesystem::path("/data/Dann/Radix/PLZODIAC.txt"));
}

}  // namespace
}  // namespace velora
