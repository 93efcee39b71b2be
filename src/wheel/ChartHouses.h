#pragma once

#include <array>
#include <string_view>

#include "canvas/Canvas.h"
#include "wheel/WheelChart.h"
#include "workspace/Workspace.h"

namespace velora {

// Cusp labels, blank-padded to four characters ("VIII " to five).
inline constexpr std::array<std::string_view, 13> kHouseLabels = {
    "",     "Asc ",  "II  ", "III ", "IV  ", "V   ", "VI  ",
    "VII ", "VIII ", "IX  ", "MC  ", "XI  ", "XII "};

// The cusp lines and labels of the first or the second chart: purple lines from Trunc(0.45 H) in
// to Trunc(0.16 H) (first chart) or Trunc(0.35 H) (second chart), labels at Trunc(0.46 H); then
// the Ascendant and Descendant again in blue and the MC in green.
void DrawChartHouses(Workspace& workspace, Canvas& canvas, ChartSource source);

// The drawing part of DrawChartHouses for cusps already computed, on the given ring.
void DrawHouseCusps(Canvas& canvas, const HouseCusps& cusps, WheelRing ring);

}  // namespace velora
