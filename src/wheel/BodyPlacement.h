#pragma once

#include "canvas/Canvas.h"
#include "wheel/WheelChart.h"
#include "workspace/Workspace.h"

namespace velora {

// The factor that pulls a glyph inward by its wheel angle t = 360 - longitude (degrees):
// [0, 60) 0.2, [60, 210) 0.18, [210, 270) 0.16, [270, 300) 0.17, [300, 360) 0.2. A longitude of
// exactly 0° gives t = 360, which belongs to no band; it is treated like its neighbours just
// below 360 and gets 0.2.
double GlyphBandFactor(double wheelAngleDegrees);

// Ring factor of a body: 0.25 per count, plus 1, plus 1 more on the outer ring.
double RingFactor(int closenessCount, WheelRing ring);

// Distance from the centre of a glyph's top-left corner: Trunc(H * band * ring).
int BodyGlyphRadiusPixels(int heightPixels, double bandFactor, double ringFactor);

// Ticks and glyphs of the shown bodies at computed.planetLongitudes, measured from the stored
// wheel centre: on the inner ring black ticks inside the inner circle, on the outer ring green
// ticks across the outer circle.
void PlaceBodies(Workspace& workspace, Canvas& canvas, WheelRing ring);

// The bodies of a chart: daily motion, header, then the bodies placed on the wheel. The directed
// chart takes its positions from derived.directedLongitudes.
void DrawChartPlanets(Workspace& workspace, Canvas& canvas, WheelChart chart);

}  // namespace velora
