#pragma once

#include <filesystem>
#include <string>

#include "aspects/AspectSettings.h"
#include "aspects/ChartItems.h"
#include "charts/ChartForm.h"
#include "derived/ScanStep.h"
#include "ephemeris/ChartInput.h"
#include "ephemeris/HouseSystems.h"
#include "ephemeris/ItemSettings.h"
#include "wheel/GlyphPictures.h"
#include "wheel/WheelGeometry.h"

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

  // The aspect settings window, and the swatch colours last read from it.
  AspectSettings aspectSettings;
  AspectColours aspectColours;
  // The items of the first and the second chart; also scratch of the daily motion.
  ChartItemLongitudes firstChartItems;
  ChartItemLongitudes secondChartItems;
  // Degrees per day of bodies 1..16 from the last chart drawn or listed; negative = retrograde.
  PlanetLongitudes dailyMotion;
  // Positions of the directed chart, written by the directions computation.
  PlanetLongitudes directedLongitudes;
  // The text of the directions window's date box, shown in the directed chart's header.
  std::string directionDateText;
  // Stored by DrawWheel; the body placement measures from it.
  WheelCentre wheelCentre;
  // The sign and body pictures, loaded at start from the data directory.
  GlyphSet glyphs;

  // The name of the current work ("Радикс", "Транзит", ...), empty at start; set by the main
  // window's commands and compared exactly by whatever reads it.
  std::string chartKind;
  // The choice of the scan step window, used by the step buttons of the main window.
  ScanStepChoice scanStep = kDefaultScanStep;
  // The folder that holds Dann; every data file is read from below it.
  std::filesystem::path dataDirectory;

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
