#pragma once

#include <string>

#include "canvas/Canvas.h"
#include "wheel/WheelChart.h"
#include "workspace/Workspace.h"

namespace velora {

// Texts of one list line: "r" for a retrograde body, else a blank; whole degrees within the
// sign in width 2; whole minutes in width 2.
std::string RetrogradeMark(double dailyMotionDegrees);
std::string WidthTwo(int value);

// One line per shown body of workspace.computed.planetLongitudes, each 25 pixels below the last,
// the first at startY + 25: body glyph at x, retrograde mark at x + 17, degrees at x + 20, sign
// glyph at x + 50, minutes at x + 70.
void WritePositionList(Workspace& workspace, Canvas& canvas, int x, int startY);

// The position list of a chart. On the picture it starts at x = Trunc(W - 220), y = 20, and for
// the first and second chart the first chart's name, date and time are written again; on the
// listing window it starts at (10, 10). The directed positions carry no retrograde marks.
void ListChartPositions(Workspace& workspace, Canvas& canvas, WheelChart chart, ListingPlace place);

}  // namespace velora
