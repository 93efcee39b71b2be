#pragma once

#include <array>
#include <string_view>

#include "app/Workspace.h"
#include "wheel/Canvas.h"

namespace velora {

// Cusp labels, blank-padded to four characters ("VIII " to five).
inline constexpr std::array<std::string_view, 13> kHouseLabels = {
    "",     "Asc ",  "II  ", "III ", "IV  ", "V   ", "VI  ",
    "VII ", "VIII ", "IX  ", "MC  ", "XI  ", "XII "};

// The cusp lines and labels of the first (kind 1) or second (kind 2) chart: purple lines from
// Trunc(0.45 H) in to Trunc(0.16 H) (kind 1) or Trunc(0.35 H) (kind 2), labels at Trunc(0.46 H);
// then the Ascendant and Descendant again in blue and the MC in green.
void DrawChartHouses(Workspace& workspace, Canvas& canvas, int kind);

// The drawing part of DrawChartHouses for cusps already computed.
void DrawHouseCusps(Canvas& canvas, const HouseCusps& cusps, int kind);

}  // namespace velora
