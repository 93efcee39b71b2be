#include "workspace/Workspace.h"

#include "ephemeris/BodyDriver.h"

namespace velora {

ChartForm& Workspace::FormOf(ChartSource source) {
  return source == ChartSource::kFirstChart ? forms.first : forms.second;
}

void Workspace::ReadChartInputFrom(ChartSource source) {
  computed.chartInput = ReadChartInput(FormOf(source));
}

void Workspace::ComputeChart(ChartSource source) {
  ReadChartInputFrom(source);
  ComputeAllBodies(computed.chartInput, computed.planetLongitudes);
}

void Workspace::ComputeHousesOf(ChartSource source, HouseCusps& cusps) {
  ComputeHouses(ReadChartInput(FormOf(source)), settings.houseSystem, cusps,
                BodyState{computed.chartInput, computed.planetLongitudes});
}

ChartItemLongitudes Workspace::ComputeChartItems(ChartSource source) {
  HouseCusps cusps;
  return ComputeChartItems(source, cusps);
}

ChartItemLongitudes Workspace::ComputeChartItems(ChartSource source, HouseCusps& cusps) {
  ComputeChart(source);
  ChartItemLongitudes items;
  for (int body = 1; body <= kBodyCount; ++body) items[body] = computed.planetLongitudes[body];
  ComputeHousesOf(source, cusps);
  items[kAscendantItem] = cusps[1];
  items[kMcItem] = cusps[10];
  return items;
}

void Workspace::ApplyItemSettings(ItemFlags& flags, int first, int last) {
  for (int item = first; item <= last; ++item) {
    ApplyItemSetting(item, settings.items, computed.itemOrbs, flags);
  }
}

}  // namespace velora
