#pragma once

#include "workspace/Workspace.h"

namespace velora {

// Degrees per day of each body: the longitude a day later minus the longitude now, plus 360
// when the difference is below -300 (a body that crossed 0° Aries moving forward).
PlanetLongitudes DailyMotionBetween(const PlanetLongitudes& now, const PlanetLongitudes& dayLater);

// Computes the chart of `source` now and one day later (positions kept in firstChartItems and
// secondChartItems 1..16, overwriting them) into workspace.computed.dailyMotion, then reads the
// chart input of `source` again.
void ComputeDailyMotion(Workspace& workspace, ChartSource source);

}  // namespace velora
