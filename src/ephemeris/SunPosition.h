#pragma once

namespace velora {

struct SunPositionResult {
  // True longitude in degrees, not reduced (between -360 and 720); the planets use this value.
  double trueLongitudeDegrees = 0;
  // Earth-Sun distance in astronomical units.
  double radiusVectorAu = 0;
  // The longitude after the round trip to the equator and back, in [0, 360): what the chart
  // stores for the Sun. It differs from the reduced true longitude by rounding (up to ~1e-5).
  double storedLongitudeDegrees = 0;
};

SunPositionResult SunPosition(double day, double month, double year);

}  // namespace velora
