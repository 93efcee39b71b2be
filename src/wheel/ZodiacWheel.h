#pragma once

#include <array>

#include "canvas/Canvas.h"
#include "wheel/WheelGeometry.h"
#include "workspace/Workspace.h"

namespace velora {

// Where the top-left corner of a sign picture goes: at `angleDegrees` on the wheel, at
// `radiusFactor` times the outer radius.
struct SignGlyphPlacement {
  double angleDegrees;
  double radiusFactor;
};

// Aries to Pisces. The angles lie 12° short of each sign's far boundary (Libra at 163°); the
// factors pull the corner inward where the picture would stick out of the sign ring.
inline constexpr std::array<SignGlyphPlacement, 13> kSignGlyphPlacements = {{{0, 0},
                                                                             {348, 0.97},
                                                                             {318, 0.96},
                                                                             {288, 0.9},
                                                                             {258, 0.88},
                                                                             {228, 0.88},
                                                                             {198, 0.88},
                                                                             {163, 0.9},
                                                                             {138, 0.96},
                                                                             {108, 0.97},
                                                                             {78, 0.999},
                                                                             {48, 0.99},
                                                                             {18, 0.999}}};

// Lines from radius `outerPixels` to `innerPixels` at angles 0, step, 2 step, ... while below
// 6.2831852; the angle accumulates the step by repeated addition.
void DrawSpokes(Canvas& canvas, WheelCentre centre, int outerPixels, int innerPixels,
                double stepRadians);

// A circle of radius `radiusPixels` about the centre, outlined with the pen, filled white.
void DrawCircle(Canvas& canvas, WheelCentre centre, int radiusPixels);

// The empty zodiac wheel: four circles, the sign boundaries, the 10° and 5° scale and the sign
// pictures. Stores the wheel centre in the workspace.
void DrawWheel(Workspace& workspace, Canvas& canvas);

}  // namespace velora
