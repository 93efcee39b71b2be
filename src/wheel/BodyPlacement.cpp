#include "wheel/BodyPlacement.h"

#include "ephemeris/AngleConstants.h"
#include "wheel/ChartHeader.h"
#include "wheel/ClosenessCounts.h"
#include "wheel/DailyMotion.h"
#include "wheel/WheelGeometry.h"

namespace velora {
namespace {

struct TickRadii {
  int from;
  int to;
};

TickRadii TickRadiiOf(int heightPixels, WheelRing ring) {
  if (ring == WheelRing::kInner) {
    return {TruncatePixels(0.4 * 0.4 * heightPixels), TruncatePixels(0.4 * 0.35 * heightPixels)};
  }
  return {TruncatePixels(0.38 * heightPixels), TruncatePixels(0.42 * heightPixels)};
}

void WriteHeader(Workspace& workspace, Canvas& canvas, WheelChart chart) {
  const int width = canvas.widthPixels();
  const int rightHalfX = TruncatePixels(width - width / 2.0);
  switch (chart) {
    case WheelChart::kFirstChart:
      WriteChartHeader(canvas, workspace.forms.first, 10);
      return;
    case WheelChart::kSecondChart:
      WriteChartHeader(canvas, workspace.forms.second, rightHalfX);
      return;
    case WheelChart::kDirectedChart:
      canvas.DrawText({rightHalfX, 10}, "Дирекция на дату");
      canvas.DrawText({rightHalfX, 25}, workspace.settings.directions.DateText());
      return;
  }
}

void PlaceBody(Workspace& workspace, Canvas& canvas, WheelRing ring, int body, int closenessCount) {
  const double longitude = workspace.computed.planetLongitudes[body];
  const double angle = WheelAngleRadians(longitude);
  const double wheelAngleDegrees = angle / kPi * 180;
  const int height = canvas.heightPixels();
  const int glyphRadius = BodyGlyphRadiusPixels(height, GlyphBandFactor(wheelAngleDegrees),
                                                RingFactor(closenessCount, ring));
  const TickRadii tick = TickRadiiOf(height, ring);
  canvas.DrawLine(PolarPoint(workspace.computed.wheelCentre, angle, tick.from),
                  PolarPoint(workspace.computed.wheelCentre, angle, tick.to));
  const double glyphAngle = (360 - longitude) / 180 * kPi;
  canvas.DrawPicture(PolarPoint(workspace.computed.wheelCentre, glyphAngle, glyphRadius),
                     workspace.resources.glyphs.bodies[body]);
}

}  // namespace

double GlyphBandFactor(double wheelAngleDegrees) {
  const double t = wheelAngleDegrees;
  if (t >= 60 && t < 210) return 0.18;
  if (t >= 210 && t < 270) return 0.16;
  if (t >= 270 && t < 300) return 0.17;
  return 0.2;  // [0, 60), [300, 360] and anything outside the turn
}

double RingFactor(int closenessCount, WheelRing ring) {
  const double ringStep = ring == WheelRing::kOuter ? 1 : 0;
  return 0.25 * closenessCount + 1 + ringStep;
}

int BodyGlyphRadiusPixels(int heightPixels, double bandFactor, double ringFactor) {
  return TruncatePixels(heightPixels * bandFactor * ringFactor);
}

void PlaceBodies(Workspace& workspace, Canvas& canvas, WheelRing ring) {
  canvas.SetPenColour(ring == WheelRing::kOuter ? colours::kGreen : colours::kBlack);
  const BodyCounts counts = ClosenessCounts(workspace.computed.planetLongitudes);
  for (int body = 1; body <= kBodyCount; ++body) {
    if (!workspace.settings.items.itemIncluded(body)) continue;
    PlaceBody(workspace, canvas, ring, body, counts[body]);
  }
}

void DrawChartPlanets(Workspace& workspace, Canvas& canvas, WheelChart chart) {
  const ChartSource source = SourceOf(chart);
  ComputeDailyMotion(workspace, source);
  WriteHeader(workspace, canvas, chart);
  workspace.ReadChartInputFrom(source);
  if (chart == WheelChart::kDirectedChart) {
    workspace.computed.planetLongitudes = workspace.derived.directedLongitudes;
  } else {
    workspace.ComputeChart(source);
  }
  PlaceBodies(workspace, canvas, RingOf(chart));
}

}  // namespace velora
