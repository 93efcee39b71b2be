#include "interpretation/RadixEntryItems.h"

#include "interpretation/ChartKeys.h"
#include "settings/ItemSettings.h"

namespace velora {
namespace {

std::string SignKey(int sign) {
  return sign >= 1 && sign <= 12 ? std::string(kSignKeyNames[static_cast<std::size_t>(sign)])
                                 : std::string(kNoKey);
}

std::vector<EntryItem> AllPlanetsInSigns() {
  std::vector<EntryItem> items;
  for (int item = 1; item <= kItemCount; ++item) {
    for (int sign = 1; sign <= 12; ++sign) items.push_back(PlanetInSignItem(item, sign));
  }
  return items;
}

template <typename Build>
std::vector<EntryItem> AllPairs(int firstCount, int secondCount, Build build) {
  std::vector<EntryItem> items;
  for (int first = 1; first <= firstCount; ++first) {
    for (int second = 1; second <= secondCount; ++second) items.push_back(build(first, second));
  }
  return items;
}

std::vector<EntryItem> AllAspects() {
  std::vector<EntryItem> items;
  for (int a = 1; a < kItemCount; ++a) {
    for (int b = a + 1; b <= kItemCount; ++b) {
      for (int aspect = 0; aspect < 5; ++aspect) items.push_back(AspectItem(a, aspect, b));
    }
  }
  return items;
}

}  // namespace

EntryItem PlanetInSignItem(int item, int sign) {
  return {{std::string(ItemKey(item)), SignKey(sign)}};
}

EntryItem PlanetInHouseItem(int item, int house) {
  return {{std::string(ItemKey(item)), house > 0 ? HouseKey(house) : std::string(kNoKey)}};
}

EntryItem HouseInSignItem(int house, int sign) {
  return {{HouseSignKey(house), SignKey(sign)}};
}

EntryItem RulerInSignItem(int house, int rulerSign) {
  return {{HouseKey(house), SignKey(rulerSign)}};
}

EntryItem RulerInHouseItem(int house, int rulerHouse) {
  return {{"&", HouseKey(house), rulerHouse > 0 ? RulerHouseKey(rulerHouse) : std::string(kNoKey)}};
}

EntryItem AspectItem(int itemA, int aspect, int itemB) {
  return {{std::string(ItemAspectKey(itemA)),
           std::string(kRadixAspectCodes[static_cast<std::size_t>(aspect)]),
           std::string(ItemAspectKey(itemB))}};
}

std::vector<LibraryFileKeys> RadixLibraryKeys() {
  const auto planetsInHouses = AllPairs(kItemCount, 12, PlanetInHouseItem);
  const auto housesInSigns = AllPairs(12, 12, HouseInSignItem);
  return {
      {std::string(kRadixPlanetsInSignsFile), LibraryGroup::kRadixAdult, AllPlanetsInSigns()},
      {std::string(kRadixPlanetsInHousesFile), LibraryGroup::kRadixAdult, planetsInHouses},
      {std::string(kRadixHousesInSignsFile), LibraryGroup::kRadixAdult, housesInSigns},
      {std::string(kRadixRulersInSignsFile), LibraryGroup::kRadixAdult,
       AllPairs(12, 12, RulerInSignItem)},
      {std::string(kRadixRulersInHousesFile), LibraryGroup::kRadixAdult,
       AllPairs(12, 12, RulerInHouseItem)},
      {std::string(kRadixAspectsFile), LibraryGroup::kRadixAdult, AllAspects()},
      {std::string(kChildPlanetsInSignsFile), LibraryGroup::kRadixChild, AllPlanetsInSigns()},
      {std::string(kChildHousesInSignsFile), LibraryGroup::kRadixChild, housesInSigns},
      {std::string(kChildAspectsFile), LibraryGroup::kRadixChild, AllAspects()},
  };
}

}  // namespace velora
