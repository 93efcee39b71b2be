#include "interpretation/ReturnComposer.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <string_view>

#include "interpretation/ChartKeys.h"
#include "interpretation/EntrySelection.h"
#include "interpretation/ProgressedAspects.h"

namespace velora {
namespace {

constexpr int kReturnPairBodies = 10;
constexpr double kReturnPairOrbDegrees = 6;

constexpr std::array<std::string_view, 13> kRomanNumerals = {
    "", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI", "XII"};

constexpr std::array<std::string_view, kBodyCount + 1> kReturnBodyKeys = {
    "",       "СОЛНЦЕ", "ЛУНА",  "МЕРКУРИЙ",   "ВЕНЕРА", "МАРС", "ЮПИТЕР", "САТУРН", "УРАН",
    "НЕПТУН", "ПЛУТОН", "ХИРОН", "ПРОЗЕРПИНА", "ВУз",    "Кету", "Селена", "Лилит"};

constexpr std::array<std::string_view, kReturnPairBodies + 1> kGenitiveNames = {
    "",        "Солнца",  "Луны",  "Меркурия", "Венеры", "Марса",
    "Юпитера", "Сатурна", "Урана", "Нептуна",  "Плутона"};

std::string ReturnHouseKey(int house) {
  return " " + std::string(kRomanNumerals[static_cast<std::size_t>(house)]) + " ";
}

std::string RadixHouseKey(int house) {
  if (house < 1 || house > 12) return std::string(kNoKey);
  return " " + std::string(kRomanNumerals[static_cast<std::size_t>(house)]) + ":";
}

struct ReturnChart {
  PlanetLongitudes natalBodies;
  HouseCusps natalCusps;
  PlanetLongitudes returnBodies;
  HouseCusps returnCusps;
};

ReturnChart ComputeReturnChart(Workspace& workspace) {
  ReturnChart chart;
  workspace.ComputeChart(ChartSource::kFirstChart);
  chart.natalBodies = workspace.computed.planetLongitudes;
  workspace.ComputeHousesOf(ChartSource::kFirstChart, chart.natalCusps);
  workspace.ComputeChart(ChartSource::kSecondChart);
  chart.returnBodies = workspace.computed.planetLongitudes;
  workspace.ComputeHousesOf(ChartSource::kSecondChart, chart.returnCusps);
  return chart;
}

void AppendTitles(InterpretationText& out, std::initializer_list<const char*> titles) {
  for (const char* title : titles) out.Append(title);
}

void ComposeReturnAscendant(const ReturnChart& chart, const ReturnFiles& files,
                            const std::filesystem::path& dataDirectory, InterpretationText& out) {
  AppendTitles(out, {"  ", "  ", "Положение Асц в знаках зодиака", "  "});
  const int sign = SignOfLongitude(chart.returnCusps[1]).value_or(0);
  SelectEntries(dataDirectory, files.ascendantInSign, LibraryGroup::kReturns,
                {ReturnAscendantItem(sign)}, out);
}

void ComposeReturnHouses(const ReturnChart& chart, ReturnKind kind, const ReturnFiles& files,
                         const std::filesystem::path& dataDirectory, InterpretationText& out) {
  AppendTitles(out, {"  ", "  ",
                     kind == ReturnKind::kSolar ? "Положение Домов СО в домах радикса"
                                                : "Положение Домов Лунара в домах радикса",
                     "  "});
  std::vector<EntryItem> items;
  for (int house = 1; house <= 12; ++house) {
    items.push_back(
        ReturnHouseItem(house, StrictRadixHouse(chart.returnCusps[house], chart.natalCusps)));
  }
  SelectEntries(dataDirectory, files.housesInRadixHouses, LibraryGroup::kReturns, items, out);
}

void ComposeReturnPlanetsInHouses(const ReturnChart& chart, ReturnKind kind,
                                  const ReturnFiles& files,
                                  const std::filesystem::path& dataDirectory,
                                  InterpretationText& out) {
  AppendTitles(out, {"  ", "  ",
                     kind == ReturnKind::kSolar ? "Положение Планет Соляра в домах"
                                                : "Положение Планет Лунара в домах",
                     "  "});
  std::vector<EntryItem> items;
  for (int body = 1; body <= kBodyCount; ++body) {
    items.push_back(ReturnPlanetInHouseItem(
        body, HouseOfLongitude(chart.returnBodies[body], chart.returnCusps)));
  }
  SelectEntries(dataDirectory, files.planetsInHouses, LibraryGroup::kReturns, items, out);
}

// Every pair of a natal and a return body 1..10 closer than 6 degrees; the list keeps them all.
void ComposeReturnOfPlanets(const ReturnChart& chart, const ReturnFiles& files,
                            const std::filesystem::path& dataDirectory, InterpretationText& out) {
  AppendTitles(out,
               {" ", " ", "Возвращение планет  на свое или на место другой планеты ", " ", " "});
  std::vector<EntryItem> items;
  for (int natal = 1; natal <= kReturnPairBodies; ++natal) {
    for (int moved = 1; moved <= kReturnPairBodies; ++moved) {
      double separation = std::abs(chart.natalBodies[natal] - chart.returnBodies[moved]);
      if (separation > 180) separation = 360 - separation;
      if (separation < kReturnPairOrbDegrees) items.push_back(ReturnOfPlanetItem(moved, natal));
    }
  }
  SelectEntries(dataDirectory, files.planetOntoPlanet, LibraryGroup::kReturns, items, out);
}

}  // namespace

ReturnFiles ReturnFilesOf(ReturnKind kind) {
  if (kind == ReturnKind::kSolar) {
    return {"\\Dann\\CO\\AscZnCo.txt", "\\Dann\\CO\\DomDomCo.txt", "\\Dann\\CO\\PLDomCO.txt",
            "\\Dann\\CO\\PlanPlan.txt"};
  }
  return {"\\Dann\\LO\\AscZnLo.txt", "\\Dann\\LO\\DomDomLo.txt", "\\Dann\\LO\\PLDomLo.txt",
          "\\Dann\\LO\\PlanPlanLo.txt"};
}

int StrictRadixHouse(double longitudeDegrees, const HouseCusps& cusps) {
  for (int house = 1; house <= 12; ++house) {
    const double opening = cusps[house];
    const double closing = house == 12 ? cusps[1] : cusps[house + 1];
    const bool inside = opening < closing
                            ? opening < longitudeDegrees && longitudeDegrees < closing
                            : (opening < longitudeDegrees && longitudeDegrees < 360) ||
                                  (0 <= longitudeDegrees && longitudeDegrees < closing);
    if (inside) return house;
  }
  return 0;
}

EntryItem ReturnAscendantItem(int sign) {
  const std::string_view signKey =
      sign >= 1 && sign <= 12 ? kSignKeyNames[static_cast<std::size_t>(sign)] : kNoKey;
  return {{"Асц", std::string(signKey)}};
}

EntryItem ReturnHouseItem(int returnHouse, int radixHouse) {
  return {{returnHouse == 1 ? std::string("Асц") : ReturnHouseKey(returnHouse),
           RadixHouseKey(radixHouse)}};
}

EntryItem ReturnPlanetInHouseItem(int body, int house) {
  const std::string houseKey = house >= 1 && house <= 12 ? ReturnHouseKey(house) : "";
  return {{std::string(kReturnBodyKeys[static_cast<std::size_t>(body)]), houseKey}};
}

EntryItem ReturnOfPlanetItem(int returnBody, int natalBody) {
  return {{std::string(kGenitiveNames[static_cast<std::size_t>(returnBody)]) + " ",
           std::string(kGenitiveNames[static_cast<std::size_t>(natalBody)]) + ":"}};
}

void ComposeReturns(Workspace& workspace, ReturnKind kind,
                    const std::filesystem::path& dataDirectory, InterpretationText& out) {
  if (kind == ReturnKind::kSolar) {
    for (std::string& line : ProgressedAspectLines(workspace)) out.Append(std::move(line));
  }
  const ReturnChart chart = ComputeReturnChart(workspace);
  const ReturnFiles files = ReturnFilesOf(kind);
  ComposeReturnAscendant(chart, files, dataDirectory, out);
  ComposeReturnHouses(chart, kind, files, dataDirectory, out);
  ComposeReturnPlanetsInHouses(chart, kind, files, dataDirectory, out);
  ComposeReturnOfPlanets(chart, files, dataDirectory, out);
}

std::vector<LibraryFileKeys> ReturnLibraryKeys(ReturnKind kind) {
  const ReturnFiles names = ReturnFilesOf(kind);
  LibraryFileKeys ascendant{names.ascendantInSign, LibraryGroup::kReturns, {}};
  LibraryFileKeys houses{names.housesInRadixHouses, LibraryGroup::kReturns, {}};
  LibraryFileKeys planets{names.planetsInHouses, LibraryGroup::kReturns, {}};
  LibraryFileKeys pairs{names.planetOntoPlanet, LibraryGroup::kReturns, {}};
  for (int sign = 1; sign <= 12; ++sign) ascendant.items.push_back(ReturnAscendantItem(sign));
  for (int house = 1; house <= 12; ++house) {
    for (int radix = 1; radix <= 12; ++radix) houses.items.push_back(ReturnHouseItem(house, radix));
  }
  for (int body = 1; body <= kBodyCount; ++body) {
    for (int house = 1; house <= 12; ++house) {
      planets.items.push_back(ReturnPlanetInHouseItem(body, house));
    }
  }
  for (int moved = 1; moved <= kReturnPairBodies; ++moved) {
    for (int natal = 1; natal <= kReturnPairBodies; ++natal) {
      pairs.items.push_back(ReturnOfPlanetItem(moved, natal));
    }
  }
  return {ascendant, houses, planets, pairs};
}

}  // namespace velora
