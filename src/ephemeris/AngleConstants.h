#pragma once

#include <cmath>

namespace velora {

// The shortened constants of the theories. They are part of the numbers the program prints:
// every position, cusp and aspect is computed with them, never with full-precision pi.
inline constexpr double kDegreesPerRadian = 57.29578;
inline constexpr double kPi = 3.1415926;
inline constexpr double kTwoPi = 6.2831852;
inline constexpr double kHalfPi = 1.5707963;
// Twice kDegreesPerRadian, used by the half-angle form of the true anomaly.
inline constexpr double kDegreesPerHalfRadian = 114.59156;

inline double DegreesToRadians(double degrees) {
  return degrees / kDegreesPerRadian;
}
inline double RadiansToDegrees(double radians) {
  return radians * kDegreesPerRadian;
}

// Trigonometry of angles in degrees, converted with the shortened constant.
inline double SinDegrees(double degrees) {
  return std::sin(degrees / kDegreesPerRadian);
}
inline double CosDegrees(double degrees) {
  return std::cos(degrees / kDegreesPerRadian);
}

}  // namespace velora
