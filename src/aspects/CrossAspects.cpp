#include "aspects/CrossAspects.h"

#include "aspects/AspectLines.h"

namespace velora {

void DrawCrossAspects(Workspace& workspace, Canvas& canvas) {
  const AspectList list =
      ReadAspectList(workspace.settings.aspects, workspace.computed.aspectColours);
  ReadAspectColours(workspace.settings.aspects, workspace.computed.aspectColours);
  ItemFlags flags;
  workspace.ApplyItemSettings(flags);
  LastComputation& computed = workspace.computed;
  computed.firstChartItems = workspace.ComputeChartItems(ChartSource::kFirstChart);
  computed.secondChartItems = workspace.ComputeChartItems(ChartSource::kSecondChart);
  DrawAspectsBetweenCharts(
      canvas, {list, workspace.computed.aspectColours, workspace.computed.itemOrbs, flags},
      workspace.computed.firstChartItems, workspace.computed.secondChartItems);
}

}  // namespace velora
