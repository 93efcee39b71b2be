#include "app/RichText.h"

#include <gtest/gtest.h>

namespace velora {
namespace {

TEST(RichText, KeepsCyrillicBlanksAndEmptyLinesThroughARoundTrip) {
  const std::vector<std::string> lines = {"  Солнце в Овне   ", "", "Asc  123.4", "{a\\b}\tc",
                                          "ёЁ № «кавычки» — тире"};
  const std::string rtf = RichTextFromLines(lines);
  EXPECT_TRUE(LooksLikeRichText(rtf));
  EXPECT_EQ(rtf.find("Солнце"), std::string::npos);  // escaped, 7-bit clean
  for (unsigned char c : rtf) EXPECT_LT(c, 0x80);
  EXPECT_EQ(LinesFromRichText(rtf), lines);
}

TEST(RichText, UsesAFixedPitchCyrillicFont) {
  const std::string rtf = RichTextFromLines({"x"});
  EXPECT_NE(rtf.find("\\ansicpg1251"), std::string::npos);
  EXPECT_NE(rtf.find("\\fmodern"), std::string::npos);
  EXPECT_NE(rtf.find("\\fcharset204"), std::string::npos);
  // "А" is 0xC0 in Windows-1251.
  EXPECT_NE(RichTextFromLines({"А"}).find("\\'c0\\par"), std::string::npos);
}

TEST(RichText, WritesCharactersOutsideTheCodePageAsUnicode) {
  const std::string rtf = RichTextFromLines({"日"});
  EXPECT_NE(rtf.find("\\u26085?"), std::string::npos);
  EXPECT_EQ(LinesFromRichText(rtf), std::vector<std::string>{"日"});
}

TEST(RichText, ReadsDocumentsOfOtherWriters) {
  const std::string rtf =
      "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fnil Courier;}}{\\*\\generator X;}"
      "\\pard\\f0 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2\\par\r\nline two\\line three}";
  EXPECT_EQ(LinesFromRichText(rtf), (std::vector<std::string>{"Привет", "line two", "three"}));
  EXPECT_FALSE(LooksLikeRichText("plain text"));
}

}  // namespace
}  // namespace velora
