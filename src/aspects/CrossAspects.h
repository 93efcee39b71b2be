#pragma once

#include "canvas/Canvas.h"
#include "workspace/Workspace.h"

namespace velora {

// The aspect lines between the first and the second chart. Computes both charts itself into
// firstChartItems and secondChartItems (all 18 items each), whatever the picture shows.
void DrawCrossAspects(Workspace& workspace, Canvas& canvas);

}  // namespace velora
