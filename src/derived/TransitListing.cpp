#include "derived/TransitListing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "aspects/AspectList.h"
#include "aspects/AspectTest.h"
#include "common/FixedDecimal.h"
#include "common/UserError.h"
#include "derived/HouseNames.h"

namespace velora {
namespace {

void RequireMonth(const ChartForm& form, const char* window) {
  if (form.monthIndex() != ChartForm::kNoMonth) return;
  throw UserError(std::string("Для транзитов нужен месяц: выберите его в окне «") + window +
                  "» (поле «Месяц»).");
}

bool InHouse(double x, double cusp, double next) {
  if (cusp < next) return cusp <= x && x < next;
  return (cusp <= x && x < 360) || (0 <= x && x < next);
}

// A number with one decimal, right-aligned in four characters ("%4.1f").
void AppendWidthFour(std::string& out, double value) {
  AppendOneDecimal(out, value, 4);
}

// "   " + name(λ) + " " + house + "  " + d + "  " + name (λ) + "  ".
std::string TransitLine(int transit, double transitDegrees, int house, double separation, int natal,
                        double natalDegrees) {
  std::string line;
  line.reserve(80);
  line += "   ";
  line += kItemNames[static_cast<std::size_t>(transit)];
  line += '(';
  AppendWidthFour(line, transitDegrees);
  line += ") ";
  line += kHouseNames[static_cast<std::size_t>(house)];
  line += "  ";
  AppendWidthFour(line, separation);
  line += "  ";
  line += kItemNames[static_cast<std::size_t>(natal)];
  line += " (";
  AppendWidthFour(line, natalDegrees);
  line += ")  ";
  return line;
}

}  // namespace

int TransitHouseOf(double longitudeDegrees, const HouseCusps& cusps) {
  const double x = longitudeDegrees == 360 ? 0 : longitudeDegrees;
  int house = 0;
  for (int h = 1; h <= 12; ++h) {
    if (InHouse(x, cusps[h], cusps[h == 12 ? 1 : h + 1])) house = h;
  }
  return house;
}

NatalChart ComputeNatalChart(Workspace& workspace) {
  RequireMonth(workspace.forms.first, "Исходные-Данные");
  NatalChart natal;
  workspace.ComputeChart(ChartSource::kFirstChart);
  natal.longitudes = workspace.computed.planetLongitudes;
  workspace.ComputeHousesOf(ChartSource::kFirstChart, natal.cusps);
  return natal;
}

std::vector<std::string> ListTransitsForDay(Workspace& workspace) {
  RequireMonth(workspace.forms.second, "2 -я Карта");
  return ListTransitsForDay(workspace, ComputeNatalChart(workspace));
}

std::vector<std::string> ListTransitsForDay(Workspace& workspace, const NatalChart& natal) {
  RequireMonth(workspace.forms.second, "2 -я Карта");
  return ListTransitsForDay(workspace, natal, ReadTransitRules(workspace));
}

TransitRules ReadTransitRules(Workspace& workspace) {
  TransitRules rules;
  rules.aspects = ReadAspectList(workspace.settings.aspects, workspace.computed.aspectColours);
  workspace.ApplyItemSettings(rules.flags, 1, kBodyCount);
  for (std::size_t degree = 0; degree < rules.nearestAngleDegrees.size(); ++degree) {
    const double low = static_cast<double>(degree), high = low + 1;
    double nearest = 1e9;
    for (int aspect = 1; aspect <= rules.aspects.count; ++aspect) {
      const double angle = rules.aspects.anglesDegrees[aspect];
      const double distance = angle < low ? low - angle : angle > high ? angle - high : 0;
      nearest = std::min(nearest, distance);
    }
    rules.nearestAngleDegrees[degree] = nearest;
  }
  return rules;
}

std::vector<std::string> ListTransitsForDay(Workspace& workspace, const NatalChart& natal,
                                            const TransitRules& rules) {
  RequireMonth(workspace.forms.second, "2 -я Карта");
  LastComputation& computed = workspace.computed;
  const AspectList& list = rules.aspects;
  ItemFlags flags = rules.flags;

  ChartItemLongitudes natalItems;
  for (int body = 1; body <= kBodyCount; ++body) {
    natalItems[body] = natal.longitudes[body];
    computed.firstChartItems[body] = natal.longitudes[body];
  }
  workspace.ComputeChart(ChartSource::kSecondChart);
  for (int body = 1; body <= kBodyCount; ++body) {
    computed.secondChartItems[body] = computed.planetLongitudes[body];
  }
  natalItems[kAscendantItem] = natal.cusps[1];
  natalItems[kMcItem] = natal.cusps[10];
  computed.itemOrbs[kAscendantItem] = 1;
  computed.itemOrbs[kMcItem] = 1;
  flags[kAscendantItem] = 1;
  flags[kMcItem] = 1;

  // The calendar runs this for every day of a year: the inner loops read plain copies of the
  // angles, and an excluded transiting body skips its items at once.
  std::array<double, kMaxAspectCount> angles{};
  for (int aspect = 1; aspect <= list.count; ++aspect)
    angles[aspect - 1] = list.anglesDegrees[aspect];
  const auto aspectCount = static_cast<std::size_t>(list.count);

  OneBasedArray<int, 30>& houses = workspace.derived.transitHouses;
  houses = {};
  std::vector<std::string> lines;
  for (int transit = 1; transit <= kBodyCount; ++transit) {
    // An excluded body or item forms no aspect whatever the angles.
    if (!flags[transit]) continue;
    const double transitDegrees = computed.secondChartItems[transit];
    const double transitOrb = computed.itemOrbs[transit];
    const int house = TransitHouseOf(transitDegrees, natal.cusps);
    for (int item = 1; item <= kItemCount; ++item) {
      if (!flags[item]) continue;
      const double orb = PairOrbDegrees(transitOrb, computed.itemOrbs[item]);
      const double separation = SeparationDegrees(natalItems[item], transitDegrees);
      // The margin keeps the shortcut on the safe side of rounding at a window's edge.
      const auto degree = static_cast<std::size_t>(separation);
      if (degree < rules.nearestAngleDegrees.size() &&
          rules.nearestAngleDegrees[degree] > orb + 1e-9) {
        continue;
      }
      for (std::size_t aspect = 0; aspect < aspectCount; ++aspect) {
        const double angle = angles[aspect];
        if (!(angle - orb < separation && separation < angle + orb)) continue;
        houses[transit] = house;
        lines.push_back(
            TransitLine(transit, transitDegrees, house, separation, item, natalItems[item]));
      }
    }
  }
  return lines;
}

}  // namespace velora
