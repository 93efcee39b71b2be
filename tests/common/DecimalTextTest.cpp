#include "common/DecimalText.h"

#include <gtest/gtest.h>

#include "common/UserError.h"

namespace velora {
namespace {

TEST(ParseDecimal, ReadsNumbersAsTyped) {
  EXPECT_EQ(ParseDecimal("56.01"), 56.01);
  EXPECT_EQ(ParseDecimal("-33.5"), -33.5);
  EXPECT_EQ(ParseDecimal("+5"), 5);
  EXPECT_EQ(ParseDecimal(" 92.45 "), 92.45);
  EXPECT_EQ(ParseDecimal(".5"), 0.5);
  EXPECT_EQ(ParseDecimal("5."), 5);
  EXPECT_EQ(ParseDecimal("1e2"), 100);
}

TEST(ParseDecimal, AcceptsADecimalComma) {
  EXPECT_EQ(ParseDecimal("56,01"), 56.01);
}

TEST(ParseDecimal, RejectsEverythingElse) {
  for (const char* text : {"", " ", "abc", "56.01.02", "5 6", "--1", "1e", "0x10", "56°01", ".",
                           "nan", "inf", "1e999"}) {
    EXPECT_FALSE(ParseDecimal(text).has_value()) << '"' << text << '"';
  }
}

TEST(RequireDecimal, NamesTheFieldAndTheText) {
  EXPECT_EQ(RequireDecimal("12.5", "Широта"), 12.5);
  try {
    RequireDecimal("север", "Широта");
    FAIL() << "no error";
  } catch (const UserError& error) {
    const std::string message = error.what();
    EXPECT_NE(message.find("Широта"), std::string::npos);
    EXPECT_NE(message.find("север"), std::string::npos);
  }
}

}  // namespace
}  // namespace velora
