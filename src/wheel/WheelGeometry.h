#pragma once

#include "canvas/Canvas.h"
#include "canvas/WheelCentre.h"

namespace velora {

// One third across and half way down the picture.
WheelCentre WheelCentreOf(int widthPixels, int heightPixels);

// Radius of the outer circle: 0.4 of the picture height, not yet truncated.
double OuterRadiusPixels(int heightPixels);

// Whole pixels of a length, truncated toward zero.
int TruncatePixels(double lengthPixels);

// The pixel at angle `angleRadians` and distance `radiusPixels` from the centre: angle 0 lies
// left of the centre, angle pi/2 above it, so the angle runs clockwise on the screen.
PixelPoint PolarPoint(WheelCentre centre, double angleRadians, double radiusPixels);

// The wheel angle of a longitude: 6.2831852 - longitude / 180 * 3.1415926, so 0° Aries lies at
// the left and the zodiac runs counter-clockwise.
double WheelAngleRadians(double longitudeDegrees);

}  // namespace velora
