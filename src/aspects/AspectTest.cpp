#include "aspects/AspectTest.h"

#include <cmath>

namespace velora {

double PairOrbDegrees(double orbADegrees, double orbBDegrees) {
  return (orbADegrees + orbBDegrees) / 2;
}

double SeparationDegrees(double longitudeADegrees, double longitudeBDegrees) {
  double separation = std::fabs(longitudeADegrees - longitudeBDegrees);
  if (separation > 180) separation = 360 - separation;
  return separation;
}

double FoldedSeparationDegrees(double longitudeADegrees, double longitudeBDegrees) {
  double separation = std::fmod(std::fabs(longitudeADegrees - longitudeBDegrees), 360.0);
  if (separation > 180) separation = 360 - separation;
  return separation;
}

bool AspectMatches(double longitudeADegrees, double longitudeBDegrees, double orbADegrees,
                   double orbBDegrees, bool includedA, bool includedB, double aspectAngleDegrees) {
  const double orb = PairOrbDegrees(orbADegrees, orbBDegrees);
  const double separation = SeparationDegrees(longitudeADegrees, longitudeBDegrees);
  return aspectAngleDegrees - orb < separation && separation < aspectAngleDegrees + orb &&
         includedA && includedB;
}

}  // namespace velora
