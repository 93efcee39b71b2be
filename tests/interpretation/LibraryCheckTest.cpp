#include "interpretation/LibraryCheck.h"

#include <gtest/gtest.h>

#include "LibraryFixture.h"
#include "interpretation/CipherKeys.h"

namespace velora {
namespace {

class LibraryCheckTest : public testing::LibraryFixture {
 protected:
  LibraryFileKeys Keys(bool headingsServeSeveral) {
    return {
        "\\Dann\\Direc\\Direkc.TXT",
        LibraryGroup::kDirections,
        {{{"[+SOL]", "60", "[SEL]"}}, {{"[+SOL]", "120", "[SEL]"}}, {{"[+SOL]", "90", "[SEL]"}}},
        headingsServeSeveral};
  }
  void Write(const Lines& lines) {
    WriteEnciphered("Dann/Direc/Direkc.TXT", lines, DirectionsCipherKey());
  }
};

TEST_F(LibraryCheckTest, OneHeadingMayServeSeveralTriplesWhereTheFileAllowsIt) {
  Write({"[+SOL] 60 120 [SEL]", "Мягкий аспект.", "[+SOL] 90 [SEL]", "Напряжение.", "[[[[["});
  const LibraryFileReport shared = CheckLibraryFile(folder.path(), Keys(true));
  EXPECT_TRUE(shared.complete());
  EXPECT_EQ(shared.headingCount, 2u);
  // Where each heading is meant for one combination, the same file is ambiguous.
  EXPECT_FALSE(CheckLibraryFile(folder.path(), Keys(false)).complete());
}

TEST_F(LibraryCheckTest, ATripleWithTwoHeadingsIsReported) {
  Write({"[+SOL] 60 120 [SEL]", "Мягкий аспект.", "[+SOL] 60 [SEL]", "Ещё раз секстиль.",
         "[+SOL] 90 [SEL]", "Напряжение.", "[[[[["});
  const LibraryFileReport report = CheckLibraryFile(folder.path(), Keys(true));
  ASSERT_EQ(report.ambiguousHeadings.size(), 1u);
  EXPECT_NE(report.ambiguousHeadings[0].find("строка 3"), std::string::npos);
  EXPECT_NE(report.ambiguousHeadings[0].find("строке 1"), std::string::npos);
}

TEST_F(LibraryCheckTest, AMissingTripleIsReported) {
  Write({"[+SOL] 60 120 [SEL]", "Мягкий аспект.", "[[[[["});
  const LibraryFileReport report = CheckLibraryFile(folder.path(), Keys(true));
  ASSERT_EQ(report.unansweredKeys.size(), 1u);
  EXPECT_NE(report.unansweredKeys[0].find("«90»"), std::string::npos);
}

TEST_F(LibraryCheckTest, AnIntroductionEveryTripleTakesIsAllowedOnce) {
  Write({"[+SOL] [SEL] [0 60 90 120", "Вступление для всех.", "[+SOL] 60 120 [SEL]", "Мягкий.",
         "[+SOL] 90 [SEL]", "Напряжение.", "[[[[["});
  EXPECT_TRUE(CheckLibraryFile(folder.path(), Keys(true)).complete());
}

}  // namespace
}  // namespace velora
