#include "ephemeris/SunPosition.h"

#include <cmath>

#include "ephemeris/AngleConstants.h"
#include "ephemeris/Calendar.h"
#include "ephemeris/Kepler.h"
#include "ephemeris/NumericRoutines.h"

namespace velora {

SunPositionResult SunPosition(double day, double month, double year) {
  const double t = CenturiesSince1900(day, month, year);
  const double t2 = t * t;
  const double t3 = t2 * t;
  const double meanLongitude = NormalizeDegrees(279.69668 + 36000.76892 * t + 0.0003025 * t2);
  const double meanAnomaly =
      NormalizeDegrees(358.47583 + 35999.04975 * t - 0.000150 * t2 - 0.0000033 * t3);
  const double eccentricity = 0.01675104 - 0.0000418 * t - 0.000000126 * t2;
  const KeplerSolution kepler = SolveKepler(DegreesToRadians(meanAnomaly), eccentricity);

  SunPositionResult result;
  result.trueLongitudeDegrees = meanLongitude + kepler.trueAnomalyDegrees - meanAnomaly;
  result.radiusVectorAu =
      1.0000002 * (1 - eccentricity * CosDegrees(kepler.eccentricAnomalyDegrees));

  const double obliquity = ObliquityOfEclipticDegrees(t);
  const double sunLongitude = result.trueLongitudeDegrees;
  const double rightAscension = NormalizeDegrees(RadiansToDegrees(
      QuadrantAngle(CosDegrees(obliquity) * SinDegrees(sunLongitude), CosDegrees(sunLongitude))));
  const double declination =
      RadiansToDegrees(ArcSine(SinDegrees(obliquity) * SinDegrees(sunLongitude)));
  result.storedLongitudeDegrees = EquatorialToEcliptic(rightAscension, declination, obliquity);
  return result;
}

}  // namespace velora
