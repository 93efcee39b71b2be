#include "wheel/ZodiacWheel.h"

#include "ephemeris/AngleConstants.h"

namespace velora {
namespace {

// Spoke steps of 30°, 10° and 5° in radians.
constexpr double kSignStepRadians = 0.5235987666666667;
constexpr double kTenDegreeStepRadians = 0.17453292222222222;
constexpr double kFiveDegreeStepRadians = 0.08726646111111111;

void DrawSignGlyphs(const GlyphSet& glyphs, Canvas& canvas, WheelCentre centre,
                    double outerRadius) {
  for (int sign = 1; sign <= 12; ++sign) {
    const SignGlyphPlacement& placement = kSignGlyphPlacements[static_cast<std::size_t>(sign)];
    const double angleRadians = placement.angleDegrees * kPi / 180;
    const int radius = TruncatePixels(outerRadius * placement.radiusFactor);
    canvas.DrawPicture(PolarPoint(centre, angleRadians, radius), glyphs.signs[sign]);
  }
}

}  // namespace

void DrawSpokes(Canvas& canvas, WheelCentre centre, int outerPixels, int innerPixels,
                double stepRadians) {
  for (double angle = 0; angle < kTwoPi; angle += stepRadians) {
    canvas.DrawLine(PolarPoint(centre, angle, outerPixels), PolarPoint(centre, angle, innerPixels));
  }
}

void DrawCircle(Canvas& canvas, WheelCentre centre, int radiusPixels) {
  canvas.FillEllipse({centre.x - radiusPixels, centre.y - radiusPixels},
                     {centre.x + radiusPixels, centre.y + radiusPixels});
}

void DrawWheel(Workspace& workspace, Canvas& canvas) {
  canvas.SetPenColour(colours::kBlack);
  const WheelCentre centre = WheelCentreOf(canvas.widthPixels(), canvas.heightPixels());
  workspace.computed.wheelCentre = centre;
  const double outer = OuterRadiusPixels(canvas.heightPixels());

  for (double factor : {1.0, 0.88, 0.5, 0.4}) {
    DrawCircle(canvas, centre, TruncatePixels(factor * outer));
  }
  canvas.SetPenColour(colours::kRed);
  DrawSpokes(canvas, centre, TruncatePixels(outer), TruncatePixels(0.4 * outer), kSignStepRadians);
  canvas.SetPenColour(colours::kGreen);
  DrawSpokes(canvas, centre, TruncatePixels(0.5 * outer), TruncatePixels(0.4 * outer),
             kTenDegreeStepRadians);
  canvas.SetPenColour(colours::kBlack);
  DrawSpokes(canvas, centre, TruncatePixels(0.45 * outer), TruncatePixels(0.4 * outer),
             kFiveDegreeStepRadians);
  DrawSignGlyphs(workspace.resources.glyphs, canvas, centre, outer);
}

}  // namespace velora
