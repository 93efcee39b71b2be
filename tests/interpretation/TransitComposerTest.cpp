#include "interpretation/TransitComposer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "LibraryFixture.h"
#include "interpretation/CipherKeys.h"
#include "workspace/ChartKinds.h"

namespace velora {
namespace {

class TransitComposerTest : public testing::LibraryFixture {
 protected:
  TransitComposerTest() {
    workspace.forms.first.setMonthIndex(0);
    workspace.forms.second.setYear(2026);
    workspace.forms.second.setMonthIndex(7);
    workspace.forms.second.setDay(15);
    workspace.forms.second.setHour(12);
    workspace.forms.second.setMinute(0);
    workspace.chartKind = chart_kinds::kTransit;
  }

  InterpretationText Compose() {
    InterpretationText out;
    ComposeTransit(workspace, folder.path(), out);
    return out;
  }

  static long Count(const InterpretationText& out, const std::string& line) {
    return std::count(out.lines.begin(), out.lines.end(), line);
  }

  Workspace workspace;
};

TEST_F(TransitComposerTest, ListsTheDayHousesAndTheEntriesOfTheClassicFile) {
  // The Sun at 142.7° conjoins the Ascendant at 143.1° and stands in the twelfth house.
  WriteEnciphered("Dann/Tranzit/tranzit.txt",
                  {"[+SOL] [0 [H1] [+SOL] [0 [H10]", "Солнце на Асценденте.", "[+PLUT] 90 [SOL]",
                   "Не к этой карте.", "[[[[["},
                  TransitCipherKey());
  WriteEnciphered("Dann/Tranzit/tranzmed.txt", {"[+SOL] [0 [H1]", "Медицинский текст.", "[[[[["},
                  TransitCipherKey());
  const InterpretationText out = Compose();
  EXPECT_EQ(Count(out, "Транзитная планета  Солнце  включает  12 дом"), 1);
  EXPECT_EQ(Count(out, "Солнце на Асценденте."), 1);  // a heading of several triples, once
  EXPECT_EQ(Count(out, "Не к этой карте."), 0);
  EXPECT_EQ(Count(out, "Медицинский текст."), 0);
  EXPECT_EQ(workspace.computed.itemOrbs[kMcItem], 1.0);

  workspace.chartKind = chart_kinds::kMedicalTransit;
  const InterpretationText medical = Compose();
  EXPECT_EQ(Count(medical, "Медицинский текст."), 1);
  EXPECT_EQ(Count(medical, "Солнце на Асценденте."), 0);
}

TEST_F(TransitComposerTest, ABodyWithoutAspectsSwitchesOnNoHouse) {
  WriteEnciphered("Dann/Tranzit/tranzit.txt", {"[[[[["}, TransitCipherKey());
  workspace.settings.items.setChecked(1, false);
  const InterpretationText out = Compose();
  EXPECT_EQ(std::count_if(out.lines.begin(), out.lines.end(),
                          [](const std::string& line) {
                            return line.rfind("Транзитная планета  Солнце", 0) == 0;
                          }),
            0);
}

TEST_F(TransitComposerTest, EveryTripleTheComposerFormsIsInTheCheckList) {
  const std::vector<EntryItem> items = TransitLibraryItems();
  EXPECT_EQ(items.size(), 16u * 5 * 18);
  EXPECT_EQ(items.front().keys, (std::vector<std::string>{"[+SOL]", "[0", "[SOL]"}));
  EXPECT_EQ(items.back().keys, (std::vector<std::string>{"[+LILIT]", "180", "[H10]"}));
}

}  // namespace
}  // namespace velora
