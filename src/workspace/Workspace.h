#pragma once

#include <filesystem>
#include <string>

#include "canvas/GlyphPictures.h"
#include "canvas/WheelCentre.h"
#include "charts/ChartForm.h"
#include "ephemeris/ChartInput.h"
#include "ephemeris/HouseSystems.h"
#include "settings/AspectSettings.h"
#include "settings/CalendarDates.h"
#include "settings/DirectionsRequest.h"
#include "settings/ItemSettings.h"
#include "settings/ScanStep.h"
#include "workspace/ChartItems.h"
#include "workspace/ChartSource.h"

namespace velora {

// The two entry windows: the first chart (the radix) and the second.
struct ChartForms {
  ChartForm first;
  ChartForm second;
  ChartForms() { second.name = "Транзит"; }
};

// The values of the settings windows, read by each computation when it runs.
struct WorkspaceSettings {
  HouseSystemCode houseSystem = kDefaultHouseSystem;
  ItemSettings items;
  AspectSettings aspects;
  ScanStepChoice scanStep = kDefaultScanStep;
  CalendarDates calendar;
  DirectionsRequest directions;
};

// What the last computation left behind. Each value is overwritten by the next computation that
// writes it, and some are read by later ones exactly as they were left.
struct LastComputation {
  ChartInput chartInput;
  PlanetLongitudes planetLongitudes;
  // Orbs last read by ApplyItemSetting; an excluded item keeps its last value.
  ItemOrbs itemOrbs;
  // The swatch colours last read from the aspect settings.
  AspectColours aspectColours;
  // The items of the first and the second chart; also scratch of the daily motion.
  ChartItemLongitudes firstChartItems;
  ChartItemLongitudes secondChartItems;
  // Degrees per day of bodies 1..16 from the last chart drawn or listed; negative = retrograde.
  PlanetLongitudes dailyMotion;
  // Stored by DrawWheel; the body placement measures from it.
  WheelCentre wheelCentre;
};

// The results of the derived charts that later commands read back.
struct DerivedCharts {
  // The date the directions were last computed for.
  DayDate targetDate;
  // Positions and cusps of the directed chart, written by the directions computation.
  PlanetLongitudes directedLongitudes;
  HouseCusps directedCusps;
  // The natal house of each transiting body 1..16 that formed an aspect in the last transit
  // listing, 0 for the others.
  OneBasedArray<int, 30> transitHouses;
};

// What is loaded from the data folder.
struct WorkspaceResources {
  // The folder that holds Dann; every data file is read from below it.
  std::filesystem::path dataDirectory;
  // The sign and body pictures, loaded at start.
  GlyphSet glyphs;
};

// Everything one run of the program holds. Every operation gets it explicitly.
struct Workspace {
  ChartForms forms;
  WorkspaceSettings settings;
  LastComputation computed;
  DerivedCharts derived;
  WorkspaceResources resources;

  // The name of the current work ("Радикс", "Транзит", ...), empty at start; set by the main
  // window's commands and compared exactly by whatever reads it.
  std::string chartKind;

  ChartForm& FormOf(ChartSource source);

  // Reads the form into computed.chartInput.
  void ReadChartInputFrom(ChartSource source);

  // Reads the form and computes bodies 1..16 into computed.planetLongitudes.
  void ComputeChart(ChartSource source);

  // Computes the cusps of the chosen house system for the form's moment into `cusps` (a code the
  // system does not know leaves all but cusp 10 as they were).
  void ComputeHousesOf(ChartSource source, HouseCusps& cusps);

  // The 18 items of a chart: bodies 1..16 computed from the form, the Ascendant and the MC of
  // the chosen house system.
  ChartItemLongitudes ComputeChartItems(ChartSource source);
  // The same, keeping all 12 cusps in `cusps`.
  ChartItemLongitudes ComputeChartItems(ChartSource source, HouseCusps& cusps);

  // Reads the inclusion and orbs of items `first`..`last` into computed.itemOrbs and `flags`.
  void ApplyItemSettings(ItemFlags& flags, int first = 1, int last = kItemCount);
};

}  // namespace velora
