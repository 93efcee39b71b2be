#pragma once

#include <string>

#include "app/Workspace.h"
#include "wheel/Canvas.h"

namespace velora {

// Texts of one list line: "r" for a retrograde body, else a blank; whole degrees within the
// sign in width 2; whole minutes in width 2.
std::string RetrogradeMark(double dailyMotionDegrees);
std::string WidthTwo(int value);

// One line per shown body of workspace.planetLongitudes, each 25 pixels below the last, the first
// at startY + 25: body glyph at x, retrograde mark at x + 17, degrees at x + 20, sign glyph at
// x + 50, minutes at x + 70.
void WritePositionList(Workspace& workspace, Canvas& canvas, int x, int startY);

// The position list of the first (1) or second (2) chart on the picture (after the first chart's
// name, date and time again), of the first (3) or second (4) chart on the listing window, or of
// the directed positions (5) on the picture without retrograde marks.
void ListChartPositions(Workspace& workspace, Canvas& canvas, int kind);

}  // namespace velora
