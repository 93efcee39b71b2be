#include "interpretation/WholeFileCopy.h"

#include <gtest/gtest.h>

#include "LibraryFixture.h"
#include "common/UserError.h"

namespace velora {
namespace {

constexpr const char* kPreface = "\\Dann\\Radix\\Begin.TXT";

class WholeFileCopy : public testing::LibraryFixture {
 protected:
  Lines Copy(std::string_view bytes) {
    folder.Write("Dann/Radix/Begin.TXT", bytes);
    InterpretationText out;
    AppendWholeFile(folder.path(), kPreface, out);
    return out.lines;
  }
};

TEST_F(WholeFileCopy, AppendsEveryLineAsItIs) {
  const Lines lines = {"Предисловие", "&не заголовок", "[и не это]", "", "  конец  "};
  WritePlain("Dann/Radix/Begin.TXT", lines);
  InterpretationText out;
  out.Append("до");
  AppendWholeFile(folder.path(), kPreface, out);
  Lines expected = {"до"};
  expected.insert(expected.end(), lines.begin(), lines.end());
  EXPECT_EQ(out.lines, expected);
}

TEST_F(WholeFileCopy, AddsNoLineForTheFinalLineEnd) {
  EXPECT_EQ(Copy("a\r\nb\r\n"), (Lines{"a", "b"}));
  EXPECT_EQ(Copy("a\r\nb"), (Lines{"a", "b"}));
  EXPECT_EQ(Copy("a\r\n\r\n"), (Lines{"a", ""}));
}

TEST_F(WholeFileCopy, GivesOneEmptyLineForAnEmptyFile) {
  EXPECT_EQ(Copy(""), Lines{""});
}

TEST_F(WholeFileCopy, ConvertsToUtf8) {
  EXPECT_EQ(Copy("\xCF\xF0\xE8\xE2\xE5\xF2\r\n"), Lines{"Привет"});
}

TEST_F(WholeFileCopy, TakesLinesOf256CharactersAndMoreAsOrdinaryLines) {
  const std::string line256(256, 'a');
  const std::string line300(300, '\xE0');  // 300 times "а"
  std::string line300Utf8;
  for (int i = 0; i < 300; ++i) line300Utf8 += "а";
  EXPECT_EQ(Copy(line256 + "\r\n" + line300 + "\r\n&&&&&\r\n"),
            (Lines{line256, line300Utf8, "&&&&&"}));
}

TEST_F(WholeFileCopy, StopsAtAMissingFileKeepingTheEarlierLines) {
  InterpretationText out;
  out.Append("Описание карты гороскопа   ");
  try {
    AppendWholeFile(folder.path(), kPreface, out);
    FAIL() << "no error";
  } catch (const UserError& error) {
    EXPECT_NE(std::string(error.what()).find("Begin.TXT"), std::string::npos) << error.what();
  }
  EXPECT_EQ(out.lines, Lines{"Описание карты гороскопа   "});
}

}  // namespace
}  // namespace velora
