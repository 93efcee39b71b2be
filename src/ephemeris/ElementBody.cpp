#include "ephemeris/ElementBody.h"

#include <cmath>

#include "ephemeris/AngleConstants.h"
#include "ephemeris/Calendar.h"
#include "ephemeris/Kepler.h"
#include "ephemeris/NumericRoutines.h"

namespace velora {
namespace {

double SubtractTurnsAbove360(double degrees) {
  while (degrees > 360) degrees -= 360;
  return degrees;
}

}  // namespace

double PlutoEpochJulianDay() {
  return JulianDay(2, 1, 1980);
}
double ChironEpochJulianDay() {
  return JulianDay(1, 1, 1980);
}

double ElementBody(const BodyElementSet& elements, double daysSinceEpoch) {
  const double n = daysSinceEpoch;

  // The Earth on its fixed orbit.
  const double earthMeanAnomaly = ReduceFromAbove(0.98560791 * n - 3.76286);
  const double earthTrueAnomaly =
      RadiansToDegrees(TrueAnomalyRadians(DegreesToRadians(earthMeanAnomaly), 0.016718));
  const double earthLongitude = SubtractTurnsAbove360(earthTrueAnomaly + 102.596403);
  const double earthDistance = 0.9997205 / (1 + 0.016718 * CosDegrees(earthTrueAnomaly));

  // The body on its own orbit.
  const double e = elements.eccentricity;
  const double meanAnomaly =
      ReduceFromAbove(0.98564733 * n / elements.periodYears + elements.epochMeanLongitudeDegrees -
                      elements.perihelionLongitudeDegrees);
  const double trueAnomaly = RadiansToDegrees(TrueAnomalyRadians(DegreesToRadians(meanAnomaly), e));
  const double orbitLongitude =
      SubtractTurnsAbove360(elements.perihelionLongitudeDegrees + trueAnomaly);
  const double u = orbitLongitude - elements.ascendingNodeDegrees;
  const double i = elements.inclinationDegrees;
  // ArcSine gives radians, and the cosine below is taken of that radian value as it stands.
  const double latitudeRadians = ArcSine(SinDegrees(u) * SinDegrees(i));
  const double heliocentricLongitude = SubtractTurnsAbove360(
      elements.ascendingNodeDegrees +
      RadiansToDegrees(QuadrantAngle(SinDegrees(u) * CosDegrees(i), CosDegrees(u))));
  const double radius = elements.semiMajorAxisAu * (1 - e * e) / (1 + e * CosDegrees(trueAnomaly));

  const double fromEarth = heliocentricLongitude - earthLongitude;
  const double longitude =
      heliocentricLongitude +
      RadiansToDegrees(QuadrantAngle(
          earthDistance * SinDegrees(fromEarth),
          radius * std::cos(latitudeRadians) - earthDistance * CosDegrees(fromEarth)));
  return SubtractTurnsAbove360(longitude);
}

}  // namespace velora
