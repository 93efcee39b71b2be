#pragma once

#include <array>
#include <string_view>

#include "common/OneBasedArray.h"

namespace velora {

// Bodies and points by number; every per-body table is indexed by it.
enum BodyNumber : int {
  kSun = 1,
  kMoon = 2,
  kMercury = 3,
  kVenus = 4,
  kMars = 5,
  kJupiter = 6,
  kSaturn = 7,
  kUranus = 8,
  kNeptune = 9,
  kPluto = 10,
  kChiron = 11,
  kProserpina = 12,
  kRahu = 13,
  kKetu = 14,
  kSelena = 15,
  kLilith = 16,
};
inline constexpr int kBodyCount = 16;

// The moment and place of one chart: Greenwich date and time, latitude and longitude in decimal
// degrees exactly as typed (north and east positive). The body driver folds the time of day into
// `day`, so after a chart has been computed `day` carries the fraction of the day.
struct ChartInput {
  double year = 0;
  double month = 0;  // 1..12; 0 when no month was chosen
  double day = 0;
  double hour = 0;
  double minute = 0;
  double latitude = 0;
  double longitude = 0;
};

// Geocentric ecliptic longitudes in degrees, [0, 360], indexed by BodyNumber.
using PlanetLongitudes = OneBasedArray<double, kBodyCount>;

// Five-character labels of the bodies, trailing blanks included.
inline constexpr std::array<std::string_view, kBodyCount + 1> kShortBodyLabels = {
    "",      "Солн ", "Луна ", "Мерк ", "Вен  ", "Марс ", "Юпит ", "Сату ", "Уран ",
    "Непт ", "Плут ", "Хирон", "Проз ", "Раху ", "Кету ", "Сел  ", "Лил  "};

// Full Russian names of the bodies, as the command-line tool prints them.
inline constexpr std::array<std::string_view, kBodyCount + 1> kBodyNames = {
    "",       "Солнце", "Луна",  "Меркурий",   "Венера", "Марс", "Юпитер", "Сатурн", "Уран",
    "Нептун", "Плутон", "Хирон", "Прозерпина", "Раху",   "Кету", "Селена", "Лилит"};

}  // namespace velora
