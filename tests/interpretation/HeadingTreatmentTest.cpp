#include "interpretation/HeadingTreatment.h"

#include <gtest/gtest.h>

namespace velora {
namespace {

TEST(HeadingTreatment, BlanksTheFirstCharacterOfAnAmpersandHeading) {
  EXPECT_EQ(TreatHeading("&Sun in Aries", HeadingTreatment::kBlankFirstCharacter), " Sun in Aries");
  EXPECT_EQ(TreatHeading("Sun & Aries", HeadingTreatment::kBlankFirstCharacter), " un & Aries");
  EXPECT_EQ(TreatHeading("&", HeadingTreatment::kBlankFirstCharacter), " ");
}

TEST(HeadingTreatment, ShowsOneBlankForAnEncipheredBracketHeading) {
  EXPECT_EQ(TreatHeading("[SOL] [1] whatever", HeadingTreatment::kBlankLine), " ");
}

TEST(HeadingTreatment, CutsASynastryHeadingThroughTwoBrackets) {
  using enum HeadingTreatment;
  EXPECT_EQ(TreatHeading("[A][B] Text", kBehindTwoBrackets), " Text");
  EXPECT_EQ(TreatHeading("[A] Text", kBehindTwoBrackets), " Text");
  EXPECT_EQ(TreatHeading("[A] one ] two ] three", kBehindTwoBrackets), " two ] three");
  EXPECT_EQ(TreatHeading("[A no closing bracket", kBehindTwoBrackets), "[A no closing bracket");
  EXPECT_EQ(TreatHeading("[A][B]", kBehindTwoBrackets), "");
}

}  // namespace
}  // namespace velora
