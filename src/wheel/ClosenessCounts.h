#pragma once

#include "common/OneBasedArray.h"
#include "ephemeris/ChartInput.h"

namespace velora {

using BodyCounts = OneBasedArray<int, kBodyCount>;

// For each body i: 1 + the number of higher-numbered bodies j with |λj - λi| < 10. The difference
// is not taken across 0° (359° and 2° are not close); all 16 bodies count, shown or not.
BodyCounts ClosenessCounts(const PlanetLongitudes& longitudes);

}  // namespace velora
