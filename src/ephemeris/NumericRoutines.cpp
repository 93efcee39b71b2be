#include "ephemeris/NumericRoutines.h"

#include <cmath>

#include "ephemeris/AngleConstants.h"
#include "ephemeris/NumericFault.h"

namespace velora {

double NormalizeDegrees(double degrees) {
  while (degrees < 0) degrees += 360;
  while (degrees > 360) degrees -= 360;
  return degrees;
}

double ReduceFromAbove(double degrees) {
  while (degrees > 360) degrees -= 360;
  while (degrees < 0) degrees += 360;
  return degrees;
}

double QuadrantAngle(double y, double x) {
  if (x == 0) {
    if (y > 0) return kHalfPi;
    if (y < 0) return 3 * kHalfPi;
    return 0;
  }
  double angle = std::atan(y / x);
  if (x < 0) angle = y >= 0 ? angle + kPi : angle - kPi;
  if (angle < 0) angle += kTwoPi;
  return angle;
}

double ArcSine(double sine) {
  if (sine == 1) return kHalfPi;
  if (sine == -1) return -kHalfPi;
  double cosineSquared = 1 - sine * sine;
  if (!(cosineSquared > 0)) {
    throw NumericFault("Ошибка вычисления: арксинус от числа вне промежутка [-1; 1]");
  }
  return std::atan(sine / std::sqrt(cosineSquared));
}

double ArcCosineDegrees(double cosine) { return (kHalfPi - ArcSine(cosine)) / kPi * 180; }

double ObliquityOfEclipticDegrees(double centuries) {
  const double t = centuries;
  return 23.452294 - 0.0130125 * t - 0.00000164 * t * t + 0.000000503 * t * t * t;
}

double SiderealTimeHours(double centuries) {
  const double t = centuries;
  const double revolutions = 0.276919398 + 100.0021359 * t + 0.000001075 * t * t;
  return (revolutions - std::trunc(revolutions)) * 24;
}

double EquatorialToEcliptic(double rightAscensionDegrees, double declinationDegrees,
                            double obliquityDegrees) {
  const double alpha = DegreesToRadians(rightAscensionDegrees);
  const double delta = DegreesToRadians(declinationDegrees);
  const double epsilon = DegreesToRadians(obliquityDegrees);
  const double y = std::sin(alpha) * std::cos(epsilon) + std::tan(delta) * std::sin(epsilon);
  return RadiansToDegrees(QuadrantAngle(y, std::cos(alpha)));
}

}  // namespace velora
