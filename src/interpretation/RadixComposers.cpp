#include "interpretation/RadixComposers.h"

#include <cstdio>

#include "aspects/AspectTest.h"
#include "interpretation/ChartKeys.h"
#include "interpretation/RadixEntryItems.h"

namespace velora {
namespace {

struct RadixChart {
  ChartItemLongitudes items;
  HouseCusps cusps;
};

RadixChart ComputeFirstChart(Workspace& workspace) {
  RadixChart chart;
  chart.items = workspace.ComputeChartItems(ChartSource::kFirstChart, chart.cusps);
  return chart;
}

void AppendSectionTitle(InterpretationText& out, std::string title) {
  out.Append("  ");
  out.Append("  ");
  out.Append(std::move(title));
  out.Append("  ");
}

int SignNumberOf(double longitude) {
  return SignOfLongitude(longitude).value_or(0);
}

// The ruler of a house and where it stands; ruler 0 when the cusp has no sign.
struct HouseRuler {
  int sign = 0;  // of the cusp
  int body = 0;
  int bodySign = 0;
  int bodyHouse = 0;
};

HouseRuler RulerOfHouse(const RadixChart& chart, int house) {
  HouseRuler ruler;
  ruler.sign = SignNumberOf(chart.cusps[house]);
  if (ruler.sign == 0) return ruler;
  ruler.body = SignRuler(ruler.sign);
  ruler.bodySign = SignNumberOf(chart.items[ruler.body]);
  ruler.bodyHouse = HouseOfLongitude(chart.items[ruler.body], chart.cusps);
  return ruler;
}

void ComposePlanetsInSigns(const RadixChart& chart, const std::filesystem::path& data,
                           RadixReader reader, InterpretationText& out) {
  AppendSectionTitle(out, "Положение Планет в знаках зодиака");
  std::vector<EntryItem> items;
  for (int item = 1; item <= kItemCount; ++item) {
    items.push_back(PlanetInSignItem(item, SignNumberOf(chart.items[item])));
  }
  if (reader == RadixReader::kAdult) {
    SelectEntries(data, kRadixPlanetsInSignsFile, LibraryGroup::kRadixAdult, items, out);
  } else {
    SelectEntries(data, kChildPlanetsInSignsFile, LibraryGroup::kRadixChild, items, out);
  }
}

void ComposePlanetsInHouses(const RadixChart& chart, const std::filesystem::path& data,
                            InterpretationText& out) {
  AppendSectionTitle(out, "Положение Планет в домах");
  std::vector<EntryItem> items;
  for (int item = 1; item <= kItemCount; ++item) {
    items.push_back(PlanetInHouseItem(item, HouseOfLongitude(chart.items[item], chart.cusps)));
  }
  SelectEntries(data, kRadixPlanetsInHousesFile, LibraryGroup::kRadixAdult, items, out);
}

void ComposeHousesInSigns(const RadixChart& chart, const std::filesystem::path& data,
                          RadixReader reader, InterpretationText& out) {
  AppendSectionTitle(out, "Положение Домов в знаках зодиака");
  std::vector<EntryItem> items;
  for (int house = 1; house <= 12; ++house) {
    items.push_back(HouseInSignItem(house, SignNumberOf(chart.cusps[house])));
  }
  if (reader == RadixReader::kAdult) {
    SelectEntries(data, kRadixHousesInSignsFile, LibraryGroup::kRadixAdult, items, out);
  } else {
    SelectEntries(data, kChildHousesInSignsFile, LibraryGroup::kRadixChild, items, out);
  }
}

std::string RulerSummaryLine(int house, const HouseRuler& ruler) {
  char number[8];
  std::snprintf(number, sizeof number, "%2d", house);
  const std::string signName =
      ruler.bodySign > 0 ? std::string(kSignKeyNames[static_cast<std::size_t>(ruler.bodySign)])
                         : std::string("############");
  const std::string houseKey = ruler.bodyHouse > 0 ? HouseKey(ruler.bodyHouse) : "&&&&&";
  const std::string printedName =
      ruler.body > 0 ? std::string(SignRulerPrintedName(ruler.sign)) : std::string();
  return " Хозяин " + std::string(number) + " дома  " + printedName + " в  " + signName +
         " и в доме № " + houseKey;
}

}  // namespace

void ComposeRadix(Workspace& workspace, const std::filesystem::path& dataDirectory,
                  RadixReader reader, InterpretationText& out) {
  const RadixChart chart = ComputeFirstChart(workspace);
  ComposePlanetsInSigns(chart, dataDirectory, reader, out);
  if (reader == RadixReader::kAdult) {
    ComposePlanetsInHouses(chart, dataDirectory, out);
  } else {
    for (int line = 0; line < 3; ++line) out.Append("  ");
  }
  ComposeHousesInSigns(chart, dataDirectory, reader, out);
}

void ComposeRulersInSigns(Workspace& workspace, const std::filesystem::path& dataDirectory,
                          InterpretationText& out) {
  const RadixChart chart = ComputeFirstChart(workspace);
  AppendSectionTitle(out, "Положение Хозяев Домов в знаках зодиака");
  std::vector<EntryItem> items;
  for (int house = 1; house <= 12; ++house) {
    items.push_back(RulerInSignItem(house, RulerOfHouse(chart, house).bodySign));
  }
  SelectEntries(dataDirectory, kRadixRulersInSignsFile, LibraryGroup::kRadixAdult, items, out);
}

void ComposeRulersInHouses(Workspace& workspace, const std::filesystem::path& dataDirectory,
                           InterpretationText& out) {
  const RadixChart chart = ComputeFirstChart(workspace);
  out.Append(" ");
  out.Append("Хозяева домов гороскопа в домах");
  std::vector<EntryItem> items;
  for (int house = 1; house <= 12; ++house) {
    const HouseRuler ruler = RulerOfHouse(chart, house);
    out.Append(RulerSummaryLine(house, ruler));
    items.push_back(RulerInHouseItem(house, ruler.bodyHouse));
  }
  AppendSectionTitle(out, "Положение Хозяев домов в домах");
  SelectEntries(dataDirectory, kRadixRulersInHousesFile, LibraryGroup::kRadixAdult, items, out);
}

void ComposeRadixAspects(Workspace& workspace, const std::filesystem::path& dataDirectory,
                         RadixReader reader, InterpretationText& out) {
  const RadixChart chart = ComputeFirstChart(workspace);
  out.Append("");
  // Every aspect found is kept, however many there are.
  std::vector<EntryItem> items;
  for (int a = 1; a < kItemCount; ++a) {
    for (int b = a + 1; b <= kItemCount; ++b) {
      const ItemOrbs& orbs = workspace.computed.itemOrbs;
      for (int aspect = 0; aspect < 5; ++aspect) {
        const double angle = kRadixAspectAngles[static_cast<std::size_t>(aspect)];
        // The natal text takes every item, whatever the inclusion settings say.
        if (AspectMatches(chart.items[a], chart.items[b], orbs[a], orbs[b], true, true, angle)) {
          items.push_back(AspectItem(a, aspect, b));
        }
      }
    }
  }
  AppendSectionTitle(out, "Аспекты планет показывают");
  if (reader == RadixReader::kAdult) {
    SelectEntries(dataDirectory, kRadixAspectsFile, LibraryGroup::kRadixAdult, items, out);
  } else {
    SelectEntries(dataDirectory, kChildAspectsFile, LibraryGroup::kRadixChild, items, out);
  }
}

}  // namespace velora
