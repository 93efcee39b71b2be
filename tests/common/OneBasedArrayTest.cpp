#include "common/OneBasedArray.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace velora {
namespace {

TEST(OneBasedArray, RefusesIndexesOutsideItsRangeInEveryBuild) {
  OneBasedArray<int, 12> houses;
  houses[1] = 7;
  houses[12] = 9;
  EXPECT_THROW(houses[0] = 1, std::out_of_range);
  EXPECT_THROW(houses[13] = 1, std::out_of_range);
  EXPECT_THROW(houses[-1] = 1, std::out_of_range);
  const OneBasedArray<int, 12>& readOnly = houses;
  EXPECT_THROW((void)readOnly[13], std::out_of_range);
  // Nothing beside the table was written.
  EXPECT_EQ(houses.elements[0], 0);
  EXPECT_EQ(houses[1], 7);
  EXPECT_EQ(houses[12], 9);
}

TEST(OneBasedArray, NamesTheIndexAndTheRange) {
  OneBasedArray<double, 16> bodies;
  try {
    (void)bodies[17];
    FAIL() << "no exception";
  } catch (const std::out_of_range& error) {
    EXPECT_EQ(std::string(error.what()), "номер 17 вне таблицы 1..16");
  }
}

}  // namespace
}  // namespace velora
