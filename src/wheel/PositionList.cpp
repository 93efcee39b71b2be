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
    if (!workspace.itemSettings.itemIncluded(body)) continue;
    y += 25;
    const SignPosition position = SignPositionOf(workspace.planetLongitudes[body]);
    canvas.DrawPicture({x, y}, workspace.glyphs.bodies[body]);
    canvas.DrawText({x + 17, y}, RetrogradeMark(workspace.dailyMotion[body]));
    canvas.DrawText({x + 20, y}, WidthTwo(position.degrees));
    // Longitudes lie in [0, 360], so the sign is 1..12; the bound only keeps a stray directed
    // position from reaching past the table.
    const int sign = position.sign > 12 ? 12 : position.sign;
    canvas.DrawPicture({x + 50, y}, workspace.glyphs.signs[sign]);
    canvas.DrawText({x + 70, y}, WidthTwo(position.minutes));
  }
}

void ListChartPositions(Workspace& workspace, Canvas& canvas, int kind) {
  if (kind == 5) {
    for (int body = 1; body <= kBodyCount; ++body) workspace.dailyMotion[body] = 1;
  } else {
    ComputeDailyMotion(workspace, kind);
  }
  const int pictureListX = TruncatePixels(canvas.widthPixels() - 220);
  if (kind == 1 || kind == 2) WriteNameDateTime(canvas, workspace.firstChart, 10);

  if (kind == 5) {
    workspace.planetLongitudes = workspace.directedLongitudes;
  } else {
    workspace.ComputeChart(kind);
  }
  const bool onListingWindow = kind == 3 || kind == 4;
  WritePositionList(workspace, canvas, onListingWindow ? 10 : pictureListX,
                    onListingWindow ? 10 : 20);
}

}  // namespace velora
