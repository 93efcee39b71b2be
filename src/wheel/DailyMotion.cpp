#include "wheel/DailyMotion.h"

#include "ephemeris/BodyDriver.h"

namespace velora {

PlanetLongitudes DailyMotionBetween(const PlanetLongitudes& now, const PlanetLongitudes& dayLater) {
  PlanetLongitudes motion;
  for (int body = 1; body <= kBodyCount; ++body) {
    motion[body] = dayLater[body] - now[body];
    if (motion[body] < -300) motion[body] += 360;
  }
  return motion;
}

void ComputeDailyMotion(Workspace& workspace, ChartSource source) {
  workspace.ComputeChart(source);
  PlanetLongitudes now = workspace.computed.planetLongitudes;
  workspace.computed.chartInput.day += 1;
  ComputeAllBodies(workspace.computed.chartInput, workspace.computed.planetLongitudes);
  const PlanetLongitudes& dayLater = workspace.computed.planetLongitudes;
  for (int body = 1; body <= kBodyCount; ++body) {
    workspace.computed.firstChartItems[body] = now[body];
    workspace.computed.secondChartItems[body] = dayLater[body];
  }
  workspace.computed.dailyMotion = DailyMotionBetween(now, dayLater);
  workspace.ReadChartInputFrom(source);
}

}  // namespace velora
