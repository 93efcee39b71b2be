#include "common/Cp1251.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "common/UserError.h"

namespace velora {
namespace {

std::string Byte(int code) {
  return std::string(1, static_cast<char>(code));
}

TEST(Cp1251, EveryByteSurvivesTheTripThroughUtf8) {
  std::string all;
  for (int code = 0; code < 256; ++code) {
    all += Byte(code);
    EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(Byte(code))), Byte(code)) << "code " << code;
  }
  EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
}

TEST(Cp1251, GivesEveryByteItsOwnCodePoint) {
  std::set<char32_t> codePoints;
  for (int code = 0; code < 256; ++code) {
    codePoints.insert(Cp1251CodePoint(static_cast<unsigned char>(code)));
  }
  EXPECT_EQ(codePoints.size(), 256u);
}

TEST(Cp1251, MapsTheRussianLettersAndSigns) {
  EXPECT_EQ(Utf8ToCp1251("АБВабвЯя"), "\xC0\xC1\xC2\xE0\xE1\xE2\xDF\xFF");
  EXPECT_EQ(Utf8ToCp1251("Ёё№"), "\xA8\xB8\xB9");
  EXPECT_EQ(Utf8ToCp1251("—«»€"), "\x97\xAB\xBB\x88");
  EXPECT_EQ(Cp1251ToUtf8("\xCA\xEB\xFE\xF7\xE8\xEA"), "Ключик");
  EXPECT_EQ(Cp1251ToUtf8("Asc 1 \t"), "Asc 1 \t");
}

TEST(Cp1251, KeepsTheUnassignedByteAsTheC1Control) {
  EXPECT_EQ(Cp1251CodePoint(0x98), U'\u0098');
  EXPECT_EQ(Cp1251ToUtf8("\x98"), "\xC2\x98");
  EXPECT_EQ(Cp1251Code(U'\u0098'), 0x98);
}

TEST(Cp1251, RefusesCharactersWithoutCodeNamingThem) {
  try {
    Utf8ToCp1251("Солнце 日");
    FAIL() << "no error";
  } catch (const UserError& error) {
    EXPECT_NE(std::string(error.what()).find("U+65E5"), std::string::npos) << error.what();
  }
  EXPECT_FALSE(Cp1251Code(U'\u0100').has_value());
}

TEST(Cp1251, RefusesMalformedUtf8) {
  EXPECT_THROW(Utf8ToCp1251("\xFF"), UserError);
  EXPECT_THROW(Utf8ToCp1251("\xD0"), UserError);              // cut short
  EXPECT_THROW(Utf8ToCp1251("\xC0\xAF"), UserError);          // overlong
  EXPECT_THROW(Utf8ToCp1251("\xED\xA0\x80"), UserError);      // surrogate
  EXPECT_THROW(Utf8ToCp1251("\xD0\x41"), UserError);          // bad continuation
  EXPECT_THROW(Utf8ToCp1251("\xF4\x90\x80\x80"), UserError);  // beyond U+10FFFF
}

TEST(Cp1251, HandlesLongLines) {
  std::string line;
  for (int i = 0; i < 1000; ++i) line += static_cast<char>(0xC0 + i % 64);
  EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(line)), line);
}

}  // namespace
}  // namespace velora
