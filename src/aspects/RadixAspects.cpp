#include "aspects/RadixAspects.h"

#include "aspects/AspectLines.h"

namespace velora {

void DrawRadixAspects(Workspace& workspace, Canvas& canvas) {
  const AspectList list = ReadAspectList(workspace.aspectSettings, workspace.aspectColours);
  ReadAspectColours(workspace.aspectSettings, workspace.aspectColours);
  ItemFlags flags;
  workspace.ApplyItemSettings(flags);
  workspace.ComputeChart(1);
  HouseCusps cusps;
  workspace.ComputeHousesOf(1, cusps);

  ChartItemLongitudes items;
  for (int body = 1; body <= kBodyCount; ++body) items[body] = workspace.planetLongitudes[body];
  items[kAscendantItem] = cusps[1];
  items[kMcItem] = cusps[10];
  DrawAspectsWithinChart(canvas, {list, workspace.aspectColours, workspace.itemOrbs, flags}, items);
}

}  // namespace velora
