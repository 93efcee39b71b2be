#include "aspects/RadixAspects.h"

#include "aspects/AspectLines.h"

namespace velora {

void DrawRadixAspects(Workspace& workspace, Canvas& canvas) {
  const AspectList list =
      ReadAspectList(workspace.settings.aspects, workspace.computed.aspectColours);
  ReadAspectColours(workspace.settings.aspects, workspace.computed.aspectColours);
  ItemFlags flags;
  workspace.ApplyItemSettings(flags);
  const ChartItemLongitudes items = workspace.ComputeChartItems(ChartSource::kFirstChart);
  DrawAspectsWithinChart(
      canvas, {list, workspace.computed.aspectColours, workspace.computed.itemOrbs, flags}, items);
}

}  // namespace velora
