#include "aspects/AspectChord.h"

#include "ephemeris/AngleConstants.h"
#include "wheel/WheelGeometry.h"

namespace velora {

int AspectChordRadiusPixels(int heightPixels) {
  return TruncatePixels(heightPixels * 0.4 * 0.35);
}

PixelPoint ChordPoint(int widthPixels, int heightPixels, double longitudeDegrees,
                      int radiusPixels) {
  const double angleRadians = (360 - longitudeDegrees) / kDegreesPerRadian;
  return PolarPoint(WheelCentreOf(widthPixels, heightPixels), angleRadians, radiusPixels);
}

void DrawAspectChord(Canvas& canvas, int radiusPixels, Rgb colour, double longitudeADegrees,
                     double longitudeBDegrees) {
  const int width = canvas.widthPixels();
  const int height = canvas.heightPixels();
  canvas.SetPenColour(colour);
  canvas.DrawLine(ChordPoint(width, height, longitudeBDegrees, radiusPixels),
                  ChordPoint(width, height, longitudeADegrees, radiusPixels));
}

}  // namespace velora
