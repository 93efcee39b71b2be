#pragma once

#include <string>

#include "canvas/Canvas.h"
#include "workspace/Workspace.h"

namespace velora {

// A separation folded into 0..180 degrees, in width 5 with 1 decimal (" 20.0", "180.0").
std::string SeparationCellText(double longitudeADegrees, double longitudeBDegrees);

// The body pictures of bodies 1..16 across the top (x = 10 + 35 i, y = 10) and down the left
// (x = 10, y = 10 + 30 i); each series stops once the position last drawn lies beyond the
// canvas width or height.
void DrawGridHeadings(const Workspace& workspace, Canvas& canvas);

// The half table of one chart with itself: row i, columns j = i..16 at y = 45 + 30 (i - 1),
// x = 35 j + 1 (35 j + 2 in row 1).
void DrawChartGrid(Workspace& workspace, Canvas& canvas, ChartSource source);

// The full table of the second chart (rows) against the first (columns), at x = 35 j + 2. Fills
// firstChartItems and secondChartItems 1..16.
void DrawCrossGrid(Workspace& workspace, Canvas& canvas);

}  // namespace velora
