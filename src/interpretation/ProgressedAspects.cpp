#include "interpretation/ProgressedAspects.h"

#include <cmath>

#include "derived/SearchMoment.h"
#include "ephemeris/BodyDriver.h"
#include "ephemeris/Calendar.h"

namespace velora {
namespace {

constexpr int kProgressedDays = 365;
constexpr int kBodiesToReturnChart = 11;
constexpr int kAngles[] = {0, 60, 90, 120, 180};

// The bodies at a moment at the form's place; the moment may lie past the form's years.
PlanetLongitudes BodiesAt(const SearchMoment& moment, const ChartForm& place) {
  ChartInput input = ChartInputAt(moment, place);
  PlanetLongitudes longitudes;
  ComputeAllBodies(input, longitudes);
  return longitudes;
}

// The degrees a day of each return body, folded so that a body crossing 0° Aries between the
// two computations keeps its true direction.
PlanetLongitudes DailyRates(const PlanetLongitudes& atReturn, const PlanetLongitudes& dayLater) {
  PlanetLongitudes rates;
  for (int body = 1; body <= kBodyCount; ++body) {
    double difference = dayLater[body] - atReturn[body];
    if (difference > 180) difference -= 360;
    if (difference < -180) difference += 360;
    rates[body] = difference / kProgressedDays;
  }
  return rates;
}

std::string DateText(double julianDay) {
  const CalendarDate date = CalendarFromJulianDay(julianDay);
  return std::to_string(static_cast<int>(std::trunc(date.dayWithFraction))) + "." +
         std::to_string(static_cast<int>(date.month)) + "." +
         std::to_string(static_cast<int>(date.year)) + "   ";
}

double FoldedSeparation(double a, double b) {
  const double separation = std::abs(a - b);
  return separation > 180 ? 360 - separation : separation;
}

struct ProgressedDay {
  std::string dateText;
  PlanetLongitudes progressed;
  const PlanetLongitudes& rates;
};

// Lines of one day against one chart's bodies.
void AppendAspectsTo(const ProgressedDay& day, const PlanetLongitudes& bodies, int lastProgressed,
                     const std::string& chartWords, std::vector<std::string>& lines) {
  for (int body = 1; body <= kBodyCount; ++body) {
    for (int moving = 1; moving <= lastProgressed; ++moving) {
      const double separation = FoldedSeparation(bodies[body], day.progressed[moving]);
      const double reach = std::abs(day.rates[moving]);
      for (int angle : kAngles) {
        if (separation - reach <= angle && angle <= separation + reach) {
          lines.push_back(day.dateText + " Прогрессивн. " +
                          std::string(kItemNames[static_cast<std::size_t>(moving)]) + " " +
                          std::to_string(angle) + chartWords +
                          std::string(kItemNames[static_cast<std::size_t>(body)]));
        }
      }
    }
  }
}

}  // namespace

std::vector<std::string> ProgressedAspectLines(Workspace& workspace) {
  workspace.ComputeChart(ChartSource::kFirstChart);
  const PlanetLongitudes natal = workspace.computed.planetLongitudes;
  workspace.ComputeChart(ChartSource::kSecondChart);
  const PlanetLongitudes atReturn = workspace.computed.planetLongitudes;

  // The chart a day later, the window left as it is: the date moves, the clock time stays.
  const ChartForm& second = workspace.forms.second;
  const double returnDay = JulianDayOf(SearchMomentOf(second));
  const SearchMoment dayLater = ShiftedByDays(SearchMomentOf(second), 1);
  const PlanetLongitudes rates = DailyRates(atReturn, BodiesAt(dayLater, second));

  std::vector<std::string> lines;
  for (int dayAfter = 2; dayAfter <= kProgressedDays; ++dayAfter) {
    ProgressedDay day{DateText(returnDay + dayAfter), {}, rates};
    for (int body = 1; body <= kBodyCount; ++body) {
      day.progressed[body] = dayAfter * rates[body] + atReturn[body];
    }
    AppendAspectsTo(day, natal, kBodyCount, "  к радиксной ", lines);
    AppendAspectsTo(day, atReturn, kBodiesToReturnChart, "  к Солярной ", lines);
  }
  return lines;
}

}  // namespace velora
