#include "aspects/CrossAspects.h"

#include "aspects/AspectLines.h"

namespace velora {
namespace {

void ComputeChartItems(Workspace& workspace, ChartSource source, ChartItemLongitudes& items) {
  workspace.ComputeChart(source);
  for (int body = 1; body <= kBodyCount; ++body) items[body] = workspace.planetLongitudes[body];
  HouseCusps cusps;
  workspace.ComputeHousesOf(source, cusps);
  items[kAscendantItem] = cusps[1];
  items[kMcItem] = cusps[10];
}

}  // namespace

void DrawCrossAspects(Workspace& workspace, Canvas& canvas) {
  const AspectList list = ReadAspectList(workspace.aspectSettings, workspace.aspectColours);
  ReadAspectColours(workspace.aspectSettings, workspace.aspectColours);
  ItemFlags flags;
  workspace.ApplyItemSettings(flags);
  ComputeChartItems(workspace, 1, workspace.firstChartItems);
  ComputeChartItems(workspace, 2, workspace.secondChartItems);
  DrawAspectsBetweenCharts(canvas, {list, workspace.aspectColours, workspace.itemOrbs, flags},
                           workspace.firstChartItems, workspace.secondChartItems);
}

}  // namespace velora
