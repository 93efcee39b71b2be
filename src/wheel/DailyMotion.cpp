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
  PlanetLongitudes now = workspace.planetLongitudes;
  workspace.chartInput.day += 1;
  ComputeAllBodies(workspace.chartInput, workspace.planetLongitudes);
  const PlanetLongitudes& dayLater = workspace.planetLongitudes;
  for (int body = 1; body <= kBodyCount; ++body) {
    workspace.firstChartItems[body] = now[body];
    workspace.secondChartItems[body] = dayLater[body];
  }
  workspace.dailyMotion = DailyMotionBetween(now, dayLater);
  workspace.ReadChartInputFrom(source);
}

}  // namespace velora
