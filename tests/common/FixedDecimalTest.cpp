#include "common/FixedDecimal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>

namespace velora {
namespace {

std::string Printf(double value, int width) {
  char text[512];
  std::snprintf(text, sizeof text, "%*.1f", width, value);
  return text;
}

std::string Fast(double value, int width) {
  std::string out;
  AppendOneDecimal(out, value, width);
  return out;
}

TEST(AppendOneDecimal, WritesWhatPrintfWrites) {
  // Every tie and near-tie of the tenths over the range of the listings.
  for (int k = -40000; k <= 40000; ++k) {
    for (double value : {k * 0.05, std::nextafter(k * 0.05, 1e9), std::nextafter(k * 0.05, -1e9),
                         k * 0.1, k * 0.01}) {
      ASSERT_EQ(Fast(value, 4), Printf(value, 4)) << value;
    }
  }
  std::mt19937_64 random(20261208);
  std::uniform_real_distribution<double> longitudes(-720, 720);
  for (int n = 0; n < 1000000; ++n) {
    const double value = longitudes(random);
    ASSERT_EQ(Fast(value, 4), Printf(value, 4)) << value;
  }
  for (double value : {0.0, -0.0, -0.04, 0.04, 5.24, 123.46, 359.96, 1e9, -3e12, 1e308,
                       std::nan(""), std::numeric_limits<double>::infinity()}) {
    EXPECT_EQ(Fast(value, 4), Printf(value, 4)) << value;
    EXPECT_EQ(Fast(value, 6), Printf(value, 6)) << value;
  }
}

}  // namespace
}  // namespace velora
