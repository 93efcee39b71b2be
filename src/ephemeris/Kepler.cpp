#include "ephemeris/Kepler.h"

#include <cmath>

#include "ephemeris/AngleConstants.h"
#include "ephemeris/NumericRoutines.h"

namespace velora {
namespace {

// Iterates E = M + e sin E. The value kept is the one before the last step (whose successor
// moved by less than the tolerance), not the last one computed.
double EccentricAnomalyRadians(double meanAnomalyRadians, double eccentricity) {
  constexpr int kMaximumSteps = 500;
  constexpr double kTolerance = 0.0000001;
  double previous = meanAnomalyRadians;
  for (int steps = 1;; ++steps) {
    const double next = meanAnomalyRadians + eccentricity * std::sin(previous);
    if (steps > kMaximumSteps || std::fabs(next - previous) < kTolerance) break;
    previous = next;
  }
  return previous;
}

double HalfAngleTrueAnomaly(double eccentricAnomalyRadians, double eccentricity) {
  const double half = eccentricAnomalyRadians / 2;
  return QuadrantAngle(std::sqrt(1 + eccentricity) * std::sin(half),
                       std::sqrt(1 - eccentricity) * std::cos(half));
}

}  // namespace

KeplerSolution SolveKepler(double meanAnomalyRadians, double eccentricity) {
  const double anomaly = EccentricAnomalyRadians(meanAnomalyRadians, eccentricity);
  KeplerSolution solution;
  solution.eccentricAnomalyDegrees = NormalizeDegrees(RadiansToDegrees(anomaly));
  solution.trueAnomalyDegrees =
      NormalizeDegrees(HalfAngleTrueAnomaly(anomaly, eccentricity) * kDegreesPerHalfRadian);
  return solution;
}

double TrueAnomalyRadians(double meanAnomalyRadians, double eccentricity) {
  const double anomaly = EccentricAnomalyRadians(meanAnomalyRadians, eccentricity);
  return 2 * HalfAngleTrueAnomaly(anomaly, eccentricity);
}

}  // namespace velora
