#include "interpretation/TransitComposer.h"

#include "aspects/AspectTest.h"
#include "derived/TransitListing.h"
#include "interpretation/PointKeys.h"
#include "workspace/ChartKinds.h"

namespace velora {
namespace {

struct TransitAngle {
  double degrees;
  const char* key;
};

constexpr TransitAngle kTransitAngles[] = {
    {0, "[0"}, {60, "60"}, {90, "90"}, {120, "120"}, {180, "180"}};

// The natal items' keys: bodies, then the Ascendant as house 1 and the MC as house 10.
std::string NatalItemKey(int item) {
  if (item == kAscendantItem) return NatalHouseKey(1);
  if (item == kMcItem) return NatalHouseKey(10);
  return NatalBodyKey(item);
}

}  // namespace

void ComposeTransit(Workspace& workspace, const std::filesystem::path& dataDirectory,
                    InterpretationText& out) {
  const NatalChart natal = ComputeNatalChart(workspace);
  for (std::string& line : ListTransitsForDay(workspace, natal)) out.Append(std::move(line));

  ItemFlags flags;
  workspace.ApplyItemSettings(flags, 1, kBodyCount);
  ChartItemLongitudes natalItems;
  for (int body = 1; body <= kBodyCount; ++body) natalItems[body] = natal.longitudes[body];
  natalItems[kAscendantItem] = natal.cusps[1];
  natalItems[kMcItem] = natal.cusps[10];
  workspace.ComputeChart(ChartSource::kSecondChart);
  const PlanetLongitudes transiting = workspace.computed.planetLongitudes;
  ItemOrbs& orbs = workspace.computed.itemOrbs;
  orbs[kAscendantItem] = 1.0;
  orbs[kMcItem] = 1.0;
  flags[kAscendantItem] = 1;
  flags[kMcItem] = 1;

  // Every aspect found is kept, however many there are.
  std::vector<EntryItem> triples;
  for (int transit = 1; transit <= kBodyCount; ++transit) {
    for (int item = 1; item <= kItemCount; ++item) {
      for (const TransitAngle& angle : kTransitAngles) {
        if (!AspectMatches(natalItems[item], transiting[transit], orbs[transit], orbs[item],
                           flags[transit] != 0, flags[item] != 0, angle.degrees)) {
          continue;
        }
        triples.push_back({{MovedBodyKey(transit), angle.key, NatalItemKey(item)}});
      }
    }
  }
  out.Append(" ");
  const OneBasedArray<int, 30>& houses = workspace.derived.transitHouses;
  for (int transit = 1; transit <= kBodyCount; ++transit) {
    if (houses[transit] <= 0) continue;
    out.Append("Транзитная планета  " + std::string(kItemNames[static_cast<std::size_t>(transit)]) +
               "  включает  " + std::to_string(houses[transit]) + " дом");
  }
  out.Append(" ");
  const bool medical = workspace.chartKind == chart_kinds::kMedicalTransit;
  SelectEntries(dataDirectory, medical ? kMedicalTransitFile : kClassicTransitFile,
                LibraryGroup::kTransit, triples, out);
}

std::vector<EntryItem> TransitLibraryItems() {
  std::vector<EntryItem> items;
  for (int transit = 1; transit <= kBodyCount; ++transit) {
    for (const TransitAngle& angle : kTransitAngles) {
      for (int item = 1; item <= kItemCount; ++item) {
        items.push_back({{MovedBodyKey(transit), angle.key, NatalItemKey(item)}});
      }
    }
  }
  return items;
}

}  // namespace velora
