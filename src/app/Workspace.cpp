#include "app/Workspace.h"

#include "ephemeris/BodyDriver.h"

namespace velora {

ChartForm* Workspace::FormOf(ChartSource source) {
  switch (source) {
    case 1:
    case 3:
      return &firstChart;
    case 2:
    case 4:
      return &secondChart;
    default:
      return nullptr;
  }
}

void Workspace::ReadChartInputFrom(ChartSource source) {
  if (ChartForm* form = FormOf(source)) chartInput = ReadChartInput(*form);
}

void Workspace::ComputeChart(ChartSource source) {
  ReadChartInputFrom(source);
  ComputeAllBodies(chartInput, planetLongitudes);
}

void Workspace::ComputeHousesOf(ChartSource source, HouseCusps& cusps) {
  ChartForm* form = FormOf(source);
  if (form == nullptr) return;
  ComputeHouses(ReadChartInput(*form), houseSystem, cusps, BodyState{chartInput, planetLongitudes});
}

void Workspace::ApplyItemSettings(ItemFlags& flags, int first, int last) {
  for (int item = first; item <= last; ++item) {
    ApplyItemSetting(item, itemSettings, itemOrbs, flags);
  }
}

}  // namespace velora
