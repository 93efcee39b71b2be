#include <cstdio>
#include <iostream>
#include <string>

#include "cli/ChartOptions.h"
#include "cli/Commands.h"
#include "common/Utf8Text.h"
#include "ephemeris/Calendar.h"
#include "ephemeris/Zodiac.h"
#include "workspace/Workspace.h"

namespace velora::cli {
namespace {

std::string JsonNumber(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.15g", value);
  return text;
}

struct ChartResult {
  double julianDay = 0;
  PlanetLongitudes longitudes;
  HouseCusps cusps;
};

void PrintJson(const ChartResult& chart, HouseSystemCode code) {
  std::string out = "{\"julian_day\": " + JsonNumber(chart.julianDay) + ", \"bodies\": [";
  for (int body = 1; body <= kBodyCount; ++body) {
    if (body > 1) out += ", ";
    out += "{\"number\": " + std::to_string(body) + ", \"name\": \"" +
           std::string(kBodyNames[body]) +
           "\", \"longitude\": " + JsonNumber(chart.longitudes[body]) + "}";
  }
  out += "], \"cusps\": [";
  for (int cusp = 1; cusp <= 12; ++cusp) {
    if (cusp > 1) out += ", ";
    out += JsonNumber(chart.cusps[cusp]);
  }
  out += "], \"house_system\": \"" + std::string(1, code) + "\"}";
  std::cout << out << '\n';
}

std::string DegreesAndMinutes(double longitude) {
  const SignPosition position = SignPositionOf(longitude);
  char text[48];
  std::snprintf(text, sizeof text, "%2d°%02d' ", position.degrees, position.minutes);
  return text + std::string(kSignNames[position.sign]);
}

void PrintTable(const ChartForm& form, const ChartResult& chart, HouseSystemCode code) {
  char header[96];
  std::snprintf(header, sizeof header, "%02d.%02d.%04d %02d:%02d по Гринвичу", form.day(),
                form.monthIndex() + 1, form.year(), form.hour(), form.minute());
  std::cout << "Карта на " << header << ", широта " << form.latitudeText << ", долгота "
            << form.longitudeText << "\nЮлианский день " << JsonNumber(chart.julianDay) << "\n\n";
  for (int body = 1; body <= kBodyCount; ++body) {
    char degrees[24];
    std::snprintf(degrees, sizeof degrees, "%9.4f", chart.longitudes[body]);
    std::cout << PadRight(kBodyNames[body], 12) << degrees << "  "
              << DegreesAndMinutes(chart.longitudes[body]) << '\n';
  }
  std::cout << "\nДома: " << HouseSystemCaption(code) << '\n';
  for (int cusp = 1; cusp <= 12; ++cusp) {
    char line[48];
    std::snprintf(line, sizeof line, "Куспид %2d  %9.4f  ", cusp, chart.cusps[cusp]);
    std::cout << line << DegreesAndMinutes(chart.cusps[cusp]) << '\n';
  }
}

}  // namespace

int RunChartCommand(const std::vector<std::string>& arguments) {
  std::set<std::string> valueOptions = ChartOptionNames();
  valueOptions.insert("houses");
  const ParsedOptions options(arguments, valueOptions, {"json"});
  if (!options.positional().empty()) {
    throw UsageError("лишнее слово «" + options.positional().front() + "»");
  }
  Workspace workspace;
  workspace.forms.first = ChartFormFromOptions(options);
  workspace.settings.houseSystem = HouseSystemFromOptions(options);

  ChartResult chart;
  workspace.ComputeChart(ChartSource::kFirstChart);
  chart.longitudes = workspace.computed.planetLongitudes;
  const ChartInput& moment = workspace.computed.chartInput;
  chart.julianDay = JulianDay(moment.day, moment.month, moment.year);
  workspace.ComputeHousesOf(ChartSource::kFirstChart, chart.cusps);

  if (options.has("json")) {
    PrintJson(chart, workspace.settings.houseSystem);
  } else {
    PrintTable(workspace.forms.first, chart, workspace.settings.houseSystem);
  }
  return kExitSuccess;
}

}  // namespace velora::cli
