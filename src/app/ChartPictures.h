#pragma once

#include <string_view>

#include "canvas/Canvas.h"
#include "workspace/Workspace.h"

namespace velora {

// The drawing sequences of the chart picture, shared by the main window's commands and the
// command-line picture. Each starts from a blank picture where it says so.

// The natal chart alone: blank picture, wheel, bodies, positions, houses, cusps, aspects.
void DrawRadixPicture(Workspace& workspace, Canvas& picture);

// The first chart on the inner ring without its lists and aspects: blank picture, wheel,
// bodies, houses.
void DrawInnerChart(Workspace& workspace, Canvas& picture);

// The second chart on the outer ring over what is drawn: bodies and positions, and its houses
// and cusp list when `withHouses`.
void DrawOuterChart(Workspace& workspace, Canvas& picture, bool withHouses);

// The name of the second chart ("Транзит", "Соляр", "Лунар") 250 pixels left of the picture's
// right edge and 25 down.
void WriteSecondChartCaption(Canvas& picture, std::string_view caption);

}  // namespace velora
