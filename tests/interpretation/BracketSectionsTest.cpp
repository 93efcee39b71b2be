#include "interpretation/BracketSections.h"

#include <gtest/gtest.h>

#include "LibraryFixture.h"

namespace velora {
namespace {

class BracketSections : public testing::LibraryFixture {
 protected:
  void SetUp() override {
    WritePlain("Dann/Sins/SinAsp.txt",
               {"Пары", "[SOL][MON] Солнце и Луна", "гармония", "[SOL][MAR] Солнце и Марс", "спор",
                "[VEN] Венера", "нежность", "[END]"});
  }

  Lines Read(const std::vector<std::string>& keys, std::size_t count) {
    InterpretationText out;
    ReadBracketSections(folder.path(), "\\Dann\\Sins\\SinAsp.txt", keys, count, out);
    return out.lines;
  }
};

TEST_F(BracketSections, ShowsHeadingsBehindTheirBrackets) {
  EXPECT_EQ(Read({"[SOL][MON]", "[VEN]"}, 2),
            (Lines{" Солнце и Луна", "гармония", " Венера", "нежность"}));
}

TEST_F(BracketSections, UsesOnlyTheFirstCountKeys) {
  EXPECT_EQ(Read({"[MON]", "[VEN]"}, 1), (Lines{" Солнце и Луна", "гармония"}));
  EXPECT_EQ(Read({"[MON]", "[VEN]"}, 0), Lines{});
  EXPECT_EQ(Read({"[MON]", "[VEN]"}, 300).size(), 4u);
}

TEST_F(BracketSections, NeverMatchesAnEmptyKey) {
  EXPECT_EQ(Read({"", ""}, 2), Lines{});
}

}  // namespace
}  // namespace velora
