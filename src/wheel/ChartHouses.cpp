#include "wheel/ChartHouses.h"

#include "wheel/WheelGeometry.h"

namespace velora {
namespace {

struct CuspRadii {
  int lineOuter;
  int lineInner;
  int label;
};

CuspRadii CuspRadiiOf(int heightPixels, WheelRing ring) {
  const double innerFactor = ring == WheelRing::kOuter ? 0.35 : 0.16;
  return {TruncatePixels(0.45 * heightPixels), TruncatePixels(innerFactor * heightPixels),
          TruncatePixels(0.46 * heightPixels)};
}

void DrawCusp(Canvas& canvas, WheelCentre centre, const CuspRadii& radii, int cusp,
              double cuspDegrees) {
  const double angle = WheelAngleRadians(cuspDegrees);
  canvas.DrawLine(PolarPoint(centre, angle, radii.lineOuter),
                  PolarPoint(centre, angle, radii.lineInner));
  canvas.DrawText(PolarPoint(centre, angle, radii.label),
                  kHouseLabels[static_cast<std::size_t>(cusp)]);
}

}  // namespace

void DrawChartHouses(Workspace& workspace, Canvas& canvas, ChartSource source) {
  workspace.ReadChartInputFrom(source);
  HouseCusps cusps;
  workspace.ComputeHousesOf(source, cusps);
  DrawHouseCusps(canvas, cusps, RingOf(source));
}

void DrawHouseCusps(Canvas& canvas, const HouseCusps& cusps, WheelRing ring) {
  const WheelCentre centre = WheelCentreOf(canvas.widthPixels(), canvas.heightPixels());
  const CuspRadii radii = CuspRadiiOf(canvas.heightPixels(), ring);
  canvas.SetPenColour(colours::kPurple);
  for (int cusp = 1; cusp <= 12; ++cusp) DrawCusp(canvas, centre, radii, cusp, cusps[cusp]);
  canvas.SetPenColour(colours::kBlue);
  DrawCusp(canvas, centre, radii, 1, cusps[1]);
  DrawCusp(canvas, centre, radii, 7, cusps[7]);
  canvas.SetPenColour(colours::kGreen);
  DrawCusp(canvas, centre, radii, 10, cusps[10]);
}

}  // namespace velora
