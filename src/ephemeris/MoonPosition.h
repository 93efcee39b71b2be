#pragma once

namespace velora {

struct MoonPositionResult {
  double moonLongitudeDegrees = 0;  // [0, 360]
  double rahuLongitudeDegrees = 0;  // mean ascending node
  double ketuLongitudeDegrees = 0;  // the point opposite, never above 360
};

MoonPositionResult MoonPosition(double day, double month, double year);

}  // namespace velora
