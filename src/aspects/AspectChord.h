#pragma once

#include "canvas/Canvas.h"

namespace velora {

// The radius of the aspect chords: Trunc(H * 0.4 * 0.35), where the first chart's ticks end,
// just inside the wheel's innermost circle.
int AspectChordRadiusPixels(int heightPixels);

// The point of a longitude on the circle of `radiusPixels` about the wheel centre of the canvas:
// angle (360 - longitude) / 57.29578 radians.
PixelPoint ChordPoint(int widthPixels, int heightPixels, double longitudeDegrees, int radiusPixels);

// One aspect line in `colour`, drawn from the point of longitude B to the point of longitude A.
void DrawAspectChord(Canvas& canvas, int radiusPixels, Rgb colour, double longitudeADegrees,
                     double longitudeBDegrees);

}  // namespace velora
