#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "interpretation/EntryFileLayout.h"
#include "interpretation/EntrySelection.h"

namespace velora {

// The files of the radix text, as the composers open them.
inline constexpr std::string_view kRadixPlanetsInSignsFile = "\\Dann\\Radix\\PLZODIAC.txt";
inline constexpr std::string_view kRadixPlanetsInHousesFile = "\\Dann\\Radix\\PLDoma.txt";
inline constexpr std::string_view kRadixHousesInSignsFile = "\\Dann\\Radix\\DomZod.txt";
inline constexpr std::string_view kRadixRulersInSignsFile = "\\Dann\\Radix\\Hozzod.txt";
inline constexpr std::string_view kRadixRulersInHousesFile = "\\Dann\\Radix\\HozDom.txt";
inline constexpr std::string_view kRadixAspectsFile = "\\Dann\\Radix\\aspec.txt";
inline constexpr std::string_view kChildPlanetsInSignsFile =
    "\\Dann\\Radix\\Kinder\\KinderPlZn.txt";
inline constexpr std::string_view kChildHousesInSignsFile = "\\Dann\\Radix\\Kinder\\KinderAsc.txt";
inline constexpr std::string_view kChildAspectsFile = "\\Dann\\Radix\\Kinder\\KinderAspect.txt";
inline constexpr std::string_view kRadixPrefaceFile = "\\Dann\\Radix\\Begin.TXT";

// A key that no heading carries: an item without a sign or house asks for it.
inline constexpr std::string_view kNoKey = "";

// The items the radix composers look for, built in one place so that the composers and the
// library check ask for exactly the same keys. `sign` and `house` of 0 stand for "none".
EntryItem PlanetInSignItem(int item, int sign);
EntryItem PlanetInHouseItem(int item, int house);
EntryItem HouseInSignItem(int house, int sign);
EntryItem RulerInSignItem(int house, int rulerSign);
EntryItem RulerInHouseItem(int house, int rulerHouse);
EntryItem AspectItem(int itemA, int aspect, int itemB);

// Every item a composer can ask of one library file, for checking a library.
struct LibraryFileKeys {
  std::string fileName;
  LibraryGroup group;
  std::vector<EntryItem> items;
  // Whether one heading may answer several combinations (an entry whose text fits them all, its
  // heading carrying several keys of one kind); each combination must still find one heading,
  // besides a heading that answers every combination (an introduction for every chart).
  bool headingsServeSeveral = false;
};

// The radix files (adult and child) with every key combination their composers can ask for.
std::vector<LibraryFileKeys> RadixLibraryKeys();

}  // namespace velora
