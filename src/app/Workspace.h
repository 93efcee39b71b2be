#pragma once

#include "charts/ChartForm.h"
#include "ephemeris/ChartInput.h"
#include "ephemeris/HouseSystems.h"
#include "ephemeris/ItemSettings.h"

namespace velora {

// Which entry window a chart is read from: 1 or 3 the first chart, 2 or 4 the second.
using ChartSource = int;

// Everything one run of the program holds: the two entry windows, the settings windows and the
// values that outlive one computation. Every operation gets it explicitly.
struct Workspace {
  ChartForm firstChart;
  ChartForm secondChart;
  HouseSystemCode houseSystem = kDefaultHouseSystem;
  ItemSettings itemSettings;

  // The last chart computed; overwritten by the next.
  ChartInput chartInput;
  PlanetLongitudes planetLongitudes;
  // Orbs last read by ApplyItemSetting; an excluded item keeps its last value.
  ItemOrbs itemOrbs;

  Workspace() { secondChart.name = "Транзит"; }

  // The form of a chart source; nullptr for a source that names no form.
  ChartForm* FormOf(ChartSource source);

  // Reads the form into chartInput; any other source leaves it unchanged.
  void ReadChartInputFrom(ChartSource source);

  // Reads the form and computes bodies 1..16 into planetLongitudes.
  void ComputeChart(ChartSource source);

  // Computes the cusps of the chosen house system for the form's moment into `cusps` (a code the
  // system does not know leaves all but cusp 10 as they were).
  void ComputeHousesOf(ChartSource source, HouseCusps& cusps);

  // Reads the inclusion and orbs of items `first`..`last` into itemOrbs and `flags`.
  void ApplyItemSettings(ItemFlags& flags, int first = 1, int last = kItemCount);
};

}  // namespace velora
