#include "ephemeris/NumericRoutines.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ephemeris/AngleConstants.h"
#include "ephemeris/Kepler.h"
#include "ephemeris/NumericFault.h"

namespace velora {
namespace {

TEST(NormalizeDegrees, KeepsExactly360) {
  EXPECT_EQ(NormalizeDegrees(360), 360);
  EXPECT_EQ(NormalizeDegrees(720), 360);
  EXPECT_EQ(NormalizeDegrees(-30), 330);
  EXPECT_EQ(NormalizeDegrees(-360), 0);
  EXPECT_EQ(NormalizeDegrees(0), 0);
}

TEST(QuadrantAngle, UsesTheShortenedPi) {
  EXPECT_DOUBLE_EQ(QuadrantAngle(1, -1), 3.1415926 - std::atan(1.0));
  EXPECT_NEAR(QuadrantAngle(1, -1), 2.3561944, 1e-7);
  EXPECT_DOUBLE_EQ(QuadrantAngle(-1, -1), std::atan(1.0) - 3.1415926 + 6.2831852);
  EXPECT_NEAR(QuadrantAngle(-1, -1), 3.9269908, 1e-7);
  EXPECT_DOUBLE_EQ(QuadrantAngle(0, -1), 3.1415926);
  EXPECT_DOUBLE_EQ(QuadrantAngle(-1, 1), 6.2831852 - std::atan(1.0));
}

TEST(QuadrantAngle, ReturnsTheLimitingAngleOnTheYAxis) {
  EXPECT_DOUBLE_EQ(QuadrantAngle(2, 0), 1.5707963);
  EXPECT_DOUBLE_EQ(QuadrantAngle(-2, 0), 3 * 1.5707963);
  EXPECT_DOUBLE_EQ(QuadrantAngle(0, 0), 0);
}

TEST(ArcSine, IsDefinedThroughTheArctangent) {
  EXPECT_DOUBLE_EQ(ArcSine(0.5), std::atan(0.5 / std::sqrt(0.75)));
  EXPECT_DOUBLE_EQ(ArcSine(1), 1.5707963);
  EXPECT_DOUBLE_EQ(ArcSine(-1), -1.5707963);
}

TEST(ArcSine, RefusesSinesBeyondOne) {
  EXPECT_THROW(ArcSine(1.0000001), NumericFault);
  EXPECT_THROW(ArcSine(-2), NumericFault);
  EXPECT_THROW(ArcSine(std::nan("")), NumericFault);
}

TEST(ArcCosineDegrees, UsesTheShortenedConstants) {
  EXPECT_DOUBLE_EQ(ArcCosineDegrees(0), 1.5707963 / 3.1415926 * 180);
  EXPECT_DOUBLE_EQ(ArcCosineDegrees(1), 0);
}

TEST(SiderealTimeHours, StartsAtTheEpochValue) {
  EXPECT_NEAR(SiderealTimeHours(0), 6.646065552, 1e-12);
  // Before the epoch the fractional revolution and so the result are negative.
  EXPECT_LT(SiderealTimeHours(-0.01), 0);
}

TEST(SolveKepler, WithoutEccentricityReturnsTheMeanAnomaly) {
  const KeplerSolution solution = SolveKepler(1.0, 0);
  EXPECT_NEAR(solution.eccentricAnomalyDegrees, 57.29578, 1e-9);
  EXPECT_NEAR(solution.trueAnomalyDegrees, 57.29578, 1e-6);
}

TEST(SolveKepler, KeepsTheValueBeforeTheLastStep) {
  const double mean = 0.5, e = 0.2;
  // Reproduce the iteration by hand: the kept value is the one whose successor moved by less
  // than the tolerance, not the successor itself.
  double previous = mean;
  double next = mean + e * std::sin(previous);
  while (std::fabs(next - previous) >= 0.0000001) {
    previous = next;
    next = mean + e * std::sin(previous);
  }
  EXPECT_DOUBLE_EQ(SolveKepler(mean, e).eccentricAnomalyDegrees, previous * 57.29578);
  EXPECT_NE(previous * 57.29578, next * 57.29578);
}

TEST(TrueAnomalyRadians, IsNotReduced) {
  // Just below a full turn of mean anomaly the true anomaly stays near 2 pi.
  EXPECT_GT(TrueAnomalyRadians(6.2, 0.1), 6.0);
  EXPECT_NEAR(TrueAnomalyRadians(0, 0.3), 0, 1e-12);
}

TEST(EquatorialToEcliptic, IsTheIdentityOnTheEquinoxes) {
  EXPECT_NEAR(EquatorialToEcliptic(0, 0, 23.44), 0, 1e-9);
  EXPECT_NEAR(EquatorialToEcliptic(180, 0, 23.44), 180, 1e-5);
}

}  // namespace
}  // namespace velora

namespace velora {
namespace {

// The reductions as repeated additions and subtractions of whole turns, one at a time.
double NormalizeByLoops(double x) {
  while (x < 0) x += 360;
  while (x > 360) x -= 360;
  return x;
}

double ReduceFromAboveByLoops(double x) {
  while (x > 360) x -= 360;
  while (x < 0) x += 360;
  return x;
}

TEST(NormalizeDegrees, EqualsTurnByTurnReductionBitForBit) {
  unsigned state = 12345;
  auto next = [&state] {
    state = state * 1103515245u + 12345u;
    return static_cast<double>(state % 2000000u) / 997.0;
  };
  for (int n = 0; n < 20000; ++n) {
    const double magnitude = next() * (n % 3 == 0 ? 400 : 1);
    for (double x : {magnitude, -magnitude, magnitude * 1e-9 - 1e-12, 360.0 * (n % 40) - 1e-13,
                     -360.0 * (n % 40)}) {
      ASSERT_EQ(NormalizeDegrees(x), NormalizeByLoops(x)) << x;
      ASSERT_EQ(ReduceFromAbove(x), ReduceFromAboveByLoops(x)) << x;
    }
  }
}

}  // namespace
}  // namespace velora
