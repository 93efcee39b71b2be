#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "ephemeris/HouseSystems.h"
#include "workspace/ChartItems.h"

namespace velora {

// Sign names as the radix headings carry them (prepositional case), Aries to Pisces.
inline constexpr std::array<std::string_view, 13> kSignKeyNames = {
    "",      "Овне",      "Тельце",   "Близнецах", "Раке",    "Льве", "Деве",
    "Весах", "Скорпионе", "Стрельце", "Козероге",  "Водолее", "Рыбах"};

// The key of item 13 in the aspect headings differs from its name elsewhere in one capital.
inline constexpr std::string_view kRahuAspectKey = "ВУЗ";

// The key of an item in sign and house headings ("ВУз" for the north node).
std::string_view ItemKey(int item);
// The key of an item in aspect headings ("ВУЗ" for the north node).
std::string_view ItemAspectKey(int item);

// " 1 " .. " 12 ", "&1 " .. "&12 ", " 1: " .. " 12: ".
std::string HouseKey(int house);
std::string HouseSignKey(int house);
std::string RulerHouseKey(int house);

// The five aspects of the radix text and their heading codes: " 0", "60", "90", "120", "180".
inline constexpr std::array<double, 5> kRadixAspectAngles = {0, 60, 90, 120, 180};
inline constexpr std::array<std::string_view, 5> kRadixAspectCodes = {" 0", "60", "90", "120",
                                                                      "180"};

// The sign s (1..12) with 30 (s - 1) <= longitude < 30 s; none outside [0, 360).
std::optional<int> SignOfLongitude(double longitudeDegrees);

// The house (1..12) whose cusp the longitude lies on or after and before the next cusp (a house
// spanning 0° wraps); houses tried 1..12, a later match winning. 0 when it lies in none.
int HouseOfLongitude(double longitudeDegrees, const HouseCusps& cusps);

// The ruling body of a sign and its name as the rulers table prints it (blank-padded).
int SignRuler(int sign);
std::string_view SignRulerPrintedName(int sign);

}  // namespace velora
