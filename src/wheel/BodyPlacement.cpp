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

TickRadii TickRadiiOf(int heightPixels, int kind) {
  if (kind == 1) {
    return {TruncatePixels(0.4 * 0.4 * heightPixels), TruncatePixels(0.4 * 0.35 * heightPixels)};
  }
  return {TruncatePixels(0.38 * heightPixels), TruncatePixels(0.42 * heightPixels)};
}

void WriteHeader(Workspace& workspace, Canvas& canvas, int kind) {
  const int width = canvas.widthPixels();
  const int rightHalfX = TruncatePixels(width - width / 2.0);
  if (kind == 1) {
    WriteChartHeader(canvas, workspace.firstChart, 10);
  } else if (kind == 2) {
    WriteChartHeader(canvas, workspace.secondChart, rightHalfX);
  } else {
    canvas.DrawText({rightHalfX, 10}, "Дирекция на дату");
    canvas.DrawText({rightHalfX, 25}, workspace.directionDateText);
  }
}

void PlaceBody(Workspace& workspace, Canvas& canvas, int kind, int body, int closenessCount) {
  const double longitude = workspace.planetLongitudes[body];
  const double angle = WheelAngleRadians(longitude);
  const double wheelAngleDegrees = angle / kPi * 180;
  const int height = canvas.heightPixels();
  const int glyphRadius = BodyGlyphRadiusPixels(height, GlyphBandFactor(wheelAngleDegrees),
                                                RingFactor(closenessCount, kind));
  const TickRadii tick = TickRadiiOf(height, kind);
  canvas.DrawLine(PolarPoint(workspace.wheelCentre, angle, tick.from),
                  PolarPoint(workspace.wheelCentre, angle, tick.to));
  const double glyphAngle = (360 - longitude) / 180 * kPi;
  canvas.DrawPicture(PolarPoint(workspace.wheelCentre, glyphAngle, glyphRadius),
                     workspace.glyphs.bodies[body]);
}

}  // namespace

double GlyphBandFactor(double wheelAngleDegrees) {
  const double t = wheelAngleDegrees;
  if (t >= 60 && t < 210) return 0.18;
  if (t >= 210 && t < 270) return 0.16;
  if (t >= 270 && t < 300) return 0.17;
  return 0.2;  // [0, 60), [300, 360] and anything outside the turn
}

double RingFactor(int closenessCount, int kind) {
  const double outerRing = kind == 1 ? 0 : 1;
  return 0.25 * closenessCount + 1 + outerRing;
}

int BodyGlyphRadiusPixels(int heightPixels, double bandFactor, double ringFactor) {
  return TruncatePixels(heightPixels * bandFactor * ringFactor);
}

void PlaceBodies(Workspace& workspace, Canvas& canvas, int kind) {
  canvas.SetPenColour(kind == 1 ? colours::kBlack : colours::kGreen);
  const BodyCounts counts = ClosenessCounts(workspace.planetLongitudes);
  for (int body = 1; body <= kBodyCount; ++body) {
    if (!workspace.itemSettings.itemIncluded(body)) continue;
    PlaceBody(workspace, canvas, kind, body, counts[body]);
  }
}

void DrawChartPlanets(Workspace& workspace, Canvas& canvas, int kind) {
  ComputeDailyMotion(workspace, kind);
  WriteHeader(workspace, canvas, kind);
  workspace.ReadChartInputFrom(kind);
  if (kind == 3) {
    workspace.planetLongitudes = workspace.directedLongitudes;
  } else {
    workspace.ComputeChart(kind);
  }
  PlaceBodies(workspace, canvas, kind);
}

}  // namespace velora
