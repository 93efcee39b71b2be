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
TEST(RichText, MalformedControlWordsAndCodesNeverThrow) {
  const std::string bad = "\xEF\xBF\xBD";  // U+FFFD
  const auto read = [](const std::string& body) {
    return LinesFromRichText("{\\rtf1 " + body + "}");
  };
  EXPECT_EQ(read("a\\-b"), std::vector<std::string>{"ab"});
  EXPECT_EQ(read("\\u-x"), std::vector<std::string>{bad + "-x"});  // "-" alone is text
  EXPECT_EQ(read("\\u99999999999999999999?"), std::vector<std::string>{bad});
  EXPECT_EQ(read("\\u-9830?"), std::vector<std::string>{bad});         // a lone low surrogate
  EXPECT_EQ(read("\\u55296?z"), std::vector<std::string>{bad + "z"});  // a lone high one
  EXPECT_EQ(read("\\u1114112?"), std::vector<std::string>{bad});
  EXPECT_EQ(read("\\u"), std::vector<std::string>{bad});
  EXPECT_EQ(read("\\'4"), std::vector<std::string>{"4"});
  // A pair written as two signed halves is one character, as word processors write it.
  EXPECT_EQ(read("\\u-10179?\\u-8704?"), std::vector<std::string>{"\xF0\x9F\x98\x80"});
  // Bytes beyond ASCII written raw are Windows-1251 characters.
  EXPECT_EQ(read("\xCF\xF0\xE8"), std::vector<std::string>{"При"});
  // Characters beyond 16 bits are saved as their surrogates and read back whole.
  const std::vector<std::string> emoji{"смайл \xF0\x9F\x98\x80 и \xF3\x9D\x89\x94"};
  EXPECT_EQ(LinesFromRichText(RichTextFromLines(emoji)), emoji);
  // Every line read back saves again.
  for (const char* body : {"\\u-9830?", "\\u55296?", "\\u1114112?"}) {
    EXPECT_NO_THROW(RichTextFromLines(read(body)));
  }
}

}  // namespace velora
