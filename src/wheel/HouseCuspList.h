#pragma once

#include <string>
#include <string_view>

#include "canvas/Canvas.h"
#include "wheel/WheelChart.h"
#include "workspace/Workspace.h"

namespace velora {

// The title of a house system, beginning with a blank (" Плацидуса"); empty for other codes.
std::string_view HouseSystemTitle(HouseSystemCode code);

// One line of the cusp list: label, two blanks, the cusp in width 6 with 1 decimal.
std::string HouseCuspLine(int cusp, double cuspDegrees);

// The house system title and the 12 cusp lines of a chart. On the chart picture at
// x = Trunc(W - 120), title at y = 25 (the equal-house titles 20 pixels further left), lines from
// y = 45; on the listing window at x = 130, title at y = 10 (only for "A", "K", "M", "P"), lines
// from y = 35. Lines are 25 pixels apart.
void ListHouseCusps(Workspace& workspace, Canvas& canvas, ChartSource source, ListingPlace place);

}  // namespace velora
