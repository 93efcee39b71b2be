#include "wheel/PositionList.h"

#include <cstdio>

#include "ephemeris/Zodiac.h"
#include "wheel/ChartHeader.h"
#include "wheel/DailyMotion.h"
#include "wheel/WheelGeometry.h"

namespace velora {

std::string RetrogradeMark(double dailyMotionDegrees) {
  return dailyMotionDegrees < 0 ? "r" : " ";
}

std::string WidthTwo(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%2d", value);
  return text;
}

void WritePositionList(Workspace& workspace, Canvas& canvas, int x, int startY) {
  int y = startY;
  for (int body = 1; body <= kBodyCount; ++body) {
    if (!workspace.settings.items.itemIncluded(body)) continue;
    y += 25;
    const SignPosition position = SignPositionOf(workspace.computed.planetLongitudes[body]);
    canvas.DrawPicture({x, y}, workspace.resources.glyphs.bodies[body]);
    canvas.DrawText({x + 17, y}, RetrogradeMark(workspace.computed.dailyMotion[body]));
    canvas.DrawText({x + 20, y}, WidthTwo(position.degrees));
    // Longitudes lie in [0, 360], so the sign is 1..12; the bound only keeps a stray directed
    // position from reaching past the table.
    const int sign = position.sign > 12 ? 12 : position.sign;
    canvas.DrawPicture({x + 50, y}, workspace.resources.glyphs.signs[sign]);
    canvas.DrawText({x + 70, y}, WidthTwo(position.minutes));
  }
}

void ListChartPositions(Workspace& workspace, Canvas& canvas, WheelChart chart,
                        ListingPlace place) {
  const bool directed = chart == WheelChart::kDirectedChart;
  const bool onListingWindow = place == ListingPlace::kListingWindow;
  if (directed) {
    for (int body = 1; body <= kBodyCount; ++body) workspace.computed.dailyMotion[body] = 1;
  } else {
    ComputeDailyMotion(workspace, SourceOf(chart));
  }
  const int pictureListX = TruncatePixels(canvas.widthPixels() - 220);
  if (!directed && !onListingWindow) WriteNameDateTime(canvas, workspace.forms.first, 10);

  if (directed) {
    workspace.computed.planetLongitudes = workspace.derived.directedLongitudes;
  } else {
    workspace.ComputeChart(SourceOf(chart));
  }
  WritePositionList(workspace, canvas, onListingWindow ? 10 : pictureListX,
                    onListingWindow ? 10 : 20);
}

}  // namespace velora
