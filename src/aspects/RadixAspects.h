#pragma once

#include "canvas/Canvas.h"
#include "workspace/Workspace.h"

namespace velora {

// The aspect lines of the first chart: reads the aspect list and colours and the item settings
// at this moment, computes the first chart and its houses, and draws a chord for every pair of
// items and every list angle the pair matches.
void DrawRadixAspects(Workspace& workspace, Canvas& canvas);

}  // namespace velora
