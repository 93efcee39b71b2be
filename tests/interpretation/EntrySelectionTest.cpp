#include "interpretation/EntrySelection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LibraryFixture.h"
#include "common/UserError.h"
#include "interpretation/CipherKeys.h"

namespace velora {
namespace {

constexpr const char* kFile = "\\Dann\\Radix\\PLZODIAC.txt";
constexpr const char* kDiskFile = "Dann/Radix/PLZODIAC.txt";

class EntrySelection : public testing::LibraryFixture {
 protected:
  Lines SelectPlain(const Lines& file, const std::vector<EntryItem>& items) {
    WritePlain(kDiskFile, file);
    InterpretationText out;
    SelectEntries(folder.path(), kFile, LibraryGroup::kRadixChild, items, out);
    return out.lines;
  }
};

const std::vector<EntryItem> kSunInAries = {{{"Солнце", "Овне"}}};

TEST_F(EntrySelection, ShowsConsecutiveMatchingEntriesBoth) {
  const Lines file = {"&Солнце в Овне", "тело 1", "&Луна в Тельце", "тело 2", "&&&&&"};
  const Lines expected = {" Солнце в Овне", "тело 1", " Луна в Тельце", "тело 2"};
  EXPECT_EQ(SelectPlain(file, {{{"Солнце", "Овне"}}, {{"Луна", "Тельце"}}}), expected);
  // The order of the items decides nothing about the order of the text.
  EXPECT_EQ(SelectPlain(file, {{{"Луна", "Тельце"}}, {{"Солнце", "Овне"}}}), expected);
}

TEST_F(EntrySelection, ShowsTheHeadingAloneForAnEntryWithoutBody) {
  const Lines file = {"&Солнце в Овне", "&Луна в Раке", "про Луну", "&&&&&"};
  EXPECT_EQ(SelectPlain(file, kSunInAries), Lines{" Солнце в Овне"});
}

TEST_F(EntrySelection, TestsAHeadingOnTheFirstLineAndSkipsLinesBeforeTheFirstHeading) {
  EXPECT_EQ(SelectPlain({"&Солнце в Овне", "a", "&&&&&"}, kSunInAries),
            (Lines{" Солнце в Овне", "a"}));
  EXPECT_EQ(
      SelectPlain({"Вступление", "Солнце в Овне", "", "&Солнце в Овне", "a", "&&&&&"}, kSunInAries),
      (Lines{" Солнце в Овне", "a"}));
}

TEST_F(EntrySelection, NeverTestsTheLastLine) {
  EXPECT_EQ(SelectPlain({"&Луна", "a", "&Солнце в Овне"}, kSunInAries), Lines{});
  EXPECT_EQ(SelectPlain({"&Солнце в Овне", "a", "&Солнце в Овне"}, kSunInAries),
            (Lines{" Солнце в Овне", "a"}));
  EXPECT_EQ(SelectPlain({"пролог", "&Солнце в Овне"}, kSunInAries), Lines{});
}

TEST_F(EntrySelection, TestsTheOnlyLineOfAOneLineFileAsTheFirst) {
  EXPECT_EQ(SelectPlain({"&Солнце в Овне"}, kSunInAries), Lines{" Солнце в Овне"});
  // Answering several items, it is still shown once.
  EXPECT_EQ(SelectPlain({"&Солнце в Овне"}, {{{"Солнце"}}, {{"Овне"}}}), Lines{" Солнце в Овне"});
}

TEST_F(EntrySelection, ShowsAHeadingThatAnswersSeveralItemsOnce) {
  const Lines file = {"&Солнце в Овне", "a", "&&&&&"};
  EXPECT_EQ(SelectPlain(file, {{{"Солнце"}}, {{"Овне"}}, {{"Солнце", "Овне"}}}),
            (Lines{" Солнце в Овне", "a"}));
}

TEST_F(EntrySelection, ShowsTwoEntriesWithTheSameHeadingBoth) {
  const Lines file = {"&Солнце в Овне", "a", "&Солнце в Овне", "b", "&&&&&"};
  EXPECT_EQ(SelectPlain(file, kSunInAries), (Lines{" Солнце в Овне", "a", " Солнце в Овне", "b"}));
}

TEST_F(EntrySelection, MatchesKeysCaseSensitively) {
  const Lines file = {"&ВУз в Овне", "узел", "&&&&&"};
  EXPECT_EQ(SelectPlain(file, {{{"ВУЗ", "Овне"}}}), Lines{});
  EXPECT_EQ(SelectPlain(file, {{{"ВУз", "Овне"}}}), (Lines{" ВУз в Овне", "узел"}));
}

TEST_F(EntrySelection, MatchesKeysAsSubstrings) {
  const Lines file = {"&Солнце в 10 доме", "десятый", "&Солнце в 1 доме", "первый", "&&&&&"};
  EXPECT_EQ(SelectPlain(file, {{{"Солнце", " 1 "}}}), (Lines{" Солнце в 1 доме", "первый"}));
  EXPECT_EQ(SelectPlain(file, {{{"Солнце", " 10 "}}}), (Lines{" Солнце в 10 доме", "десятый"}));
  EXPECT_EQ(SelectPlain(file, {{{"лнц"}}}).size(), 4u);
}

TEST_F(EntrySelection, NeverMatchesAnEmptyKey) {
  const Lines file = {"&Солнце в Овне", "a", "&&&&&"};
  EXPECT_EQ(SelectPlain(file, {{{""}}}), Lines{});
  EXPECT_EQ(SelectPlain(file, {{{"Солнце", ""}}}), Lines{});
  EXPECT_EQ(SelectPlain(file, {{}}), Lines{});
}

TEST_F(EntrySelection, EndsAnEntryAtTheEndOfTheFile) {
  EXPECT_EQ(SelectPlain({"&Солнце в Овне", "a", "b"}, kSunInAries),
            (Lines{" Солнце в Овне", "a", "b"}));
  EXPECT_EQ(SelectPlain({"x", "&Солнце в Овне", "a"}, kSunInAries), (Lines{" Солнце в Овне", "a"}));
}

TEST_F(EntrySelection, ReadsAnEmptyFileAsNoEntries) {
  folder.Write(kDiskFile, "");
  InterpretationText out;
  SelectEntries(folder.path(), kFile, LibraryGroup::kRadixChild, kSunInAries, out);
  EXPECT_TRUE(out.lines.empty());
}

TEST_F(EntrySelection, KeepsBodyLinesAsTheyAre) {
  const Lines file = {"&Солнце в Овне", "", "  ", "\tотступ ", "Конец.", "&&&&&"};
  EXPECT_EQ(SelectPlain(file, kSunInAries),
            (Lines{" Солнце в Овне", "", "  ", "\tотступ ", "Конец."}));
}

TEST_F(EntrySelection, ReplacesTheFirstCharacterOfAnAmpersandHeadingWhateverItIs) {
  EXPECT_EQ(SelectPlain({"Солнце & Овне", "a", "&&&&&"}, kSunInAries),
            (Lines{" олнце & Овне", "a"}));
}

TEST_F(EntrySelection, DeciphersAnEncipheredFile) {
  const Lines file = {"вступление", "&Солнце в Овне", "a", "&Луна",
                      "b",          "&ВУз в Овне",    "c", "&&&&&"};
  WriteEnciphered(kDiskFile, file, RadixCipherKey());
  InterpretationText out;
  SelectEntries(folder.path(), kFile, LibraryGroup::kRadixAdult,
                {{{"Солнце", "Овне"}}, {{"ВУз", "Овне"}}}, out);
  EXPECT_EQ(out.lines, (Lines{" Солнце в Овне", "a", " ВУз в Овне", "c"}));
}

TEST_F(EntrySelection, HandlesLinesLongerThan256Characters) {
  std::string heading = "&Солнце в Овне ";
  while (heading.size() < 700) heading += "длинный заголовок ";
  const std::string body(400, 'x');
  const std::string exactly256(256, 'y');
  WriteEnciphered(kDiskFile, {heading, body, exactly256, "&&&&&"}, RadixCipherKey());
  InterpretationText out;
  SelectEntries(folder.path(), kFile, LibraryGroup::kRadixAdult, kSunInAries, out);
  ASSERT_EQ(out.lines.size(), 3u);
  std::string shownHeading = heading;
  shownHeading[0] = ' ';
  EXPECT_EQ(out.lines[0], shownHeading);
  EXPECT_EQ(out.lines[1], body);
  EXPECT_EQ(out.lines[2], exactly256);
}

TEST_F(EntrySelection, ShowsABlankLineForAnEncipheredBracketHeading) {
  WriteEnciphered("Dann/Tranzit/tranzit.txt", {"[SOL][1] заголовок", "текст", "[END]"},
                  TransitCipherKey());
  InterpretationText out;
  SelectEntries(folder.path(), "\\Dann\\Tranzit\\tranzit.txt", LibraryGroup::kTransit,
                {{{"[SOL]", "[1]"}}}, out);
  EXPECT_EQ(out.lines, (Lines{" ", "текст"}));
}

TEST_F(EntrySelection, FindsTheFileIgnoringTheCaseOfItsName) {
  WritePlain("dann/RADIX/plzodiac.TXT", {"&Солнце в Овне", "a", "&&&&&"});
  InterpretationText out;
  SelectEntries(folder.path(), kFile, LibraryGroup::kRadixChild, kSunInAries, out);
  EXPECT_EQ(out.lines, (Lines{" Солнце в Овне", "a"}));
}

TEST_F(EntrySelection, StopsAtAMissingFileNamingItAndKeepingTheEarlierLines) {
  InterpretationText out;
  out.Append("раньше");
  try {
    SelectEntries(folder.path(), "\\Dann\\Radix\\aspec.txt", LibraryGroup::kRadixAdult, kSunInAries,
                  out);
    FAIL() << "no error";
  } catch (const UserError& error) {
    const std::string message = error.what();
    EXPECT_NE(message.find("Не удаётся открыть файл"), std::string::npos) << message;
    EXPECT_NE(message.find((folder.path() / "Dann/Radix/aspec.txt").string()), std::string::npos)
        << message;
  }
  EXPECT_EQ(out.lines, Lines{"раньше"});
}

}  // namespace
}  // namespace velora
