#pragma once

#include <array>
#include <string_view>

#include "common/OneBasedArray.h"
#include "settings/ItemSettings.h"

namespace velora {

// Longitudes in degrees of the 18 items of a chart: bodies 1..16, the Ascendant 17, the MC 18.
using ChartItemLongitudes = OneBasedArray<double, kItemCount>;

// Display names of the chart items; Rahu (13) is shown as "ВУз".
inline constexpr std::array<std::string_view, kItemCount + 1> kItemNames = {
    "",       "Солнце", "Луна",   "Меркурий", "Венера", "Марс",       "Юпитер",
    "Сатурн", "Уран",   "Нептун", "Плутон",   "Хирон",  "Прозерпина", "ВУз",
    "Кету",   "Селена", "Лилит",  "Asc",      "MC"};

}  // namespace velora
