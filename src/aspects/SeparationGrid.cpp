#include "aspects/SeparationGrid.h"

#include <cstdio>

#include "aspects/AspectTest.h"

namespace velora {
namespace {

constexpr int kColumnPitchPixels = 35;
constexpr int kRowPitchPixels = 30;

int RowY(int row) {
  return 45 + kRowPitchPixels * (row - 1);
}

void WriteCell(Canvas& canvas, int x, int row, double longitudeA, double longitudeB) {
  canvas.DrawText({x, RowY(row)}, SeparationCellText(longitudeA, longitudeB));
}

}  // namespace

std::string SeparationCellText(double longitudeADegrees, double longitudeBDegrees) {
  char text[32];
  std::snprintf(text, sizeof text, "%5.1f",
                SeparationDegrees(longitudeADegrees, longitudeBDegrees));
  return text;
}

void DrawGridHeadings(const Workspace& workspace, Canvas& canvas) {
  for (int body = 1; body <= kBodyCount; ++body) {
    const int x = 10 + kColumnPitchPixels * body;
    canvas.DrawPicture({x, 10}, workspace.resources.glyphs.bodies[body]);
    if (x > canvas.widthPixels()) break;
  }
  for (int body = 1; body <= kBodyCount; ++body) {
    const int y = 10 + kRowPitchPixels * body;
    canvas.DrawPicture({10, y}, workspace.resources.glyphs.bodies[body]);
    if (y > canvas.heightPixels()) break;
  }
}

void DrawChartGrid(Workspace& workspace, Canvas& canvas, ChartSource source) {
  workspace.ComputeChart(source);
  const PlanetLongitudes& longitudes = workspace.computed.planetLongitudes;
  for (int row = 1; row <= kBodyCount; ++row) {
    const int xOffset = row == 1 ? 2 : 1;
    for (int column = row; column <= kBodyCount; ++column) {
      WriteCell(canvas, kColumnPitchPixels * column + xOffset, row, longitudes[row],
                longitudes[column]);
    }
  }
}

void DrawCrossGrid(Workspace& workspace, Canvas& canvas) {
  workspace.ComputeChart(ChartSource::kFirstChart);
  for (int body = 1; body <= kBodyCount; ++body) {
    workspace.computed.firstChartItems[body] = workspace.computed.planetLongitudes[body];
  }
  workspace.ComputeChart(ChartSource::kSecondChart);
  for (int body = 1; body <= kBodyCount; ++body) {
    workspace.computed.secondChartItems[body] = workspace.computed.planetLongitudes[body];
  }
  for (int row = 1; row <= kBodyCount; ++row) {
    for (int column = 1; column <= kBodyCount; ++column) {
      WriteCell(canvas, kColumnPitchPixels * column + 2, row,
                workspace.computed.secondChartItems[row],
                workspace.computed.firstChartItems[column]);
    }
  }
}

}  // namespace velora
