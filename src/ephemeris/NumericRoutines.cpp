#include "ephemeris/NumericRoutines.h"

#include <cmath>

#include "ephemeris/AngleConstants.h"
#include "ephemeris/NumericFault.h"

namespace velora {

namespace {

// Whole turns taken off a value beyond one turn. Every step of a turn-by-turn loop is exact in
// binary floating point (360 is a multiple of the value's spacing up to 2^55), so the remainder
// computed here in one go equals where such a loop ends, bit for bit.
double RemainderOfTurns(double degrees) {
  const double turns = std::floor(degrees / 360);
  double remainder = degrees - turns * 360;
  if (remainder < 0) remainder += 360;
  if (remainder >= 360) remainder -= 360;
  return remainder;
}

double SubtractTurnsWhileAbove360(double degrees) {
  if (degrees <= 360) return degrees;
  if (degrees <= 720) return degrees - 360;
  const double remainder = RemainderOfTurns(degrees);
  return remainder == 0 ? 360 : remainder;
}

// Only the last addition, the one that crosses zero, rounds; it is done here as the loop does it.
double AddTurnsWhileBelowZero(double degrees) {
  if (degrees >= 0) return degrees;
  if (degrees >= -360) return degrees + 360;
  const double remainder = RemainderOfTurns(degrees);
  return remainder == 0 ? 0 : (remainder - 360) + 360;
}

}  // namespace

double NormalizeDegrees(double degrees) {
  return SubtractTurnsWhileAbove360(AddTurnsWhileBelowZero(degrees));
}

double ReduceFromAbove(double degrees) {
  return AddTurnsWhileBelowZero(SubtractTurnsWhileAbove360(degrees));
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

double ArcCosineDegrees(double cosine) {
  return (kHalfPi - ArcSine(cosine)) / kPi * 180;
}

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
