#include "wheel/WheelGeometry.h"

#include <cmath>

#include "ephemeris/AngleConstants.h"

namespace velora {

WheelCentre WheelCentreOf(int widthPixels, int heightPixels) {
  return {TruncatePixels(widthPixels / 3.0), TruncatePixels(heightPixels / 2.0)};
}

double OuterRadiusPixels(int heightPixels) {
  return 0.4 * heightPixels;
}

int TruncatePixels(double lengthPixels) {
  return static_cast<int>(std::trunc(lengthPixels));
}

PixelPoint PolarPoint(WheelCentre centre, double angleRadians, double radiusPixels) {
  return {centre.x - TruncatePixels(radiusPixels * std::cos(angleRadians)),
          centre.y - TruncatePixels(radiusPixels * std::sin(angleRadians))};
}

double WheelAngleRadians(double longitudeDegrees) {
  return kTwoPi - longitudeDegrees / 180 * kPi;
}

}  // namespace velora
