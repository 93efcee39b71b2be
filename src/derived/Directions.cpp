#include "derived/Directions.h"

#include <cstdio>

#include "common/UserError.h"
#include "derived/HouseNames.h"
#include "ephemeris/Calendar.h"

namespace velora {
namespace {

std::string TwoDecimals(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%6.2f", value);
  return text;
}

}  // namespace

double DirectionArcDegrees(const DayDate& targetDate, const DayDate& birthDate) {
  return (JulianDay(targetDate.day, targetDate.month, targetDate.year) -
          JulianDay(birthDate.day, birthDate.month, birthDate.year)) /
         365.25;
}

double DirectedDegrees(double radixDegrees, double arcDegrees) {
  const double sum = radixDegrees + arcDegrees;
  return sum > 360 ? sum - 360 : sum;
}

DayDate BirthDateOf(const ChartForm& form) {
  if (form.monthIndex() == ChartForm::kNoMonth) {
    throw UserError(
        "Для дирекций нужен месяц рождения: выберите его в окне «Исходные-Данные» (поле "
        "«Месяц»).");
  }
  return {form.day(), form.monthIndex() + 1, form.year()};
}

DirectedChart ComputeDirections(Workspace& workspace) {
  const DayDate birth = BirthDateOf(workspace.forms.first);
  DirectedChart chart;
  workspace.ComputeChart(ChartSource::kFirstChart);
  chart.radixLongitudes = workspace.computed.planetLongitudes;
  workspace.ComputeHousesOf(ChartSource::kFirstChart, chart.radixCusps);

  const DayDate target = workspace.settings.directions.date;
  chart.arcDegrees = DirectionArcDegrees(target, birth);
  for (int body = 1; body <= kBodyCount; ++body) {
    chart.directedLongitudes[body] = DirectedDegrees(chart.radixLongitudes[body], chart.arcDegrees);
  }
  for (int house = 1; house <= 12; ++house) {
    chart.directedCusps[house] = DirectedDegrees(chart.radixCusps[house], chart.arcDegrees);
  }
  DerivedCharts& derived = workspace.derived;
  derived.targetDate = target;
  derived.directedLongitudes = chart.directedLongitudes;
  derived.directedCusps = chart.directedCusps;
  return chart;
}

std::vector<std::string> DirectionsTableLines(const DirectedChart& chart) {
  std::vector<std::string> lines;
  lines.push_back("Приращение =   " + TwoDecimals(chart.arcDegrees));
  lines.push_back("   ");
  lines.push_back("        Радикс     Дирекция");
  lines.push_back("   ");
  for (int body = 1; body <= kBodyCount; ++body) {
    lines.push_back(std::string(kShortBodyLabels[static_cast<std::size_t>(body)]) + "  " +
                    TwoDecimals(chart.radixLongitudes[body]) + "   " +
                    TwoDecimals(chart.directedLongitudes[body]));
  }
  lines.push_back("  Дома ");
  lines.push_back("        Радикс     Дирекция");
  lines.push_back("   ");
  for (int house = 1; house <= 12; ++house) {
    lines.push_back(std::string(kHouseNames[static_cast<std::size_t>(house)]) + "   " +
                    TwoDecimals(chart.radixCusps[house]) + "   " +
                    TwoDecimals(chart.directedCusps[house]));
  }
  return lines;
}

}  // namespace velora
