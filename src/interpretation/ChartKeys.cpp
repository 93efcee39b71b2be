#include "interpretation/ChartKeys.h"

namespace velora {
namespace {

struct Ruler {
  int body;
  std::string_view printedName;
};

// Rulers of Aries .. Pisces; the printed names are padded to ten characters, Mars to eight.
constexpr std::array<Ruler, 13> kSignRulers = {{{0, ""},
                                                {kMars, "Марс    "},
                                                {kVenus, "Венера    "},
                                                {kMercury, "Меркурий  "},
                                                {kMoon, "Луна      "},
                                                {kSun, "Солнце    "},
                                                {kMercury, "Меркурий  "},
                                                {kVenus, "Венера    "},
                                                {kPluto, "Плутон    "},
                                                {kJupiter, "Юпитер    "},
                                                {kSaturn, "Сатурн    "},
                                                {kUranus, "Уран      "},
                                                {kNeptune, "Нептун    "}}};

bool InHouse(double longitude, double cusp, double nextCusp) {
  if (cusp < nextCusp) return cusp <= longitude && longitude < nextCusp;
  return (cusp <= longitude && longitude < 360) || (0 <= longitude && longitude < nextCusp);
}

}  // namespace

std::string_view ItemKey(int item) {
  return kItemNames[static_cast<std::size_t>(item)];
}

std::string_view ItemAspectKey(int item) {
  return item == kRahu ? kRahuAspectKey : ItemKey(item);
}

namespace {

// Built by appending (GCC 12 warns wrongly about a literal + std::to_string chain).
std::string Framed(std::string_view before, int number, std::string_view after) {
  std::string key(before);
  key += std::to_string(number);
  key += after;
  return key;
}

}  // namespace

std::string HouseKey(int house) {
  return Framed(" ", house, " ");
}
std::string HouseSignKey(int house) {
  return Framed("&", house, " ");
}
std::string RulerHouseKey(int house) {
  return Framed(" ", house, ": ");
}

std::optional<int> SignOfLongitude(double longitudeDegrees) {
  for (int sign = 1; sign <= 12; ++sign) {
    if (30.0 * (sign - 1) <= longitudeDegrees && longitudeDegrees < 30.0 * sign) return sign;
  }
  return std::nullopt;
}

int HouseOfLongitude(double longitudeDegrees, const HouseCusps& cusps) {
  int house = 0;
  for (int h = 1; h <= 12; ++h) {
    const double next = h == 12 ? cusps[1] : cusps[h + 1];
    if (InHouse(longitudeDegrees, cusps[h], next)) house = h;
  }
  return house;
}

int SignRuler(int sign) {
  return kSignRulers[static_cast<std::size_t>(sign)].body;
}

std::string_view SignRulerPrintedName(int sign) {
  return kSignRulers[static_cast<std::size_t>(sign)].printedName;
}

}  // namespace velora
