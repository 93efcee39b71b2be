#pragma once

#include "aspects/AspectList.h"
#include "canvas/Canvas.h"
#include "settings/AspectSettings.h"
#include "settings/ItemSettings.h"
#include "workspace/ChartItems.h"

namespace velora {

// What the chord drawing needs besides the item longitudes: the list, its colours, the orbs and
// inclusion flags of the 18 items (one set serves both charts).
struct AspectRules {
  const AspectList& list;
  const AspectColours& colours;
  const ItemOrbs& orbs;
  const ItemFlags& flags;
};

// Chords within one chart: every unordered pair i < j, once for every list angle it matches,
// each line running from item i to item j.
void DrawAspectsWithinChart(Canvas& canvas, const AspectRules& rules,
                            const ChartItemLongitudes& items);

// Chords between two charts: all 324 ordered pairs (first-chart item i, second-chart item j),
// an item with its own counterpart included, each line running from the first chart's item to
// the second chart's.
void DrawAspectsBetweenCharts(Canvas& canvas, const AspectRules& rules,
                              const ChartItemLongitudes& firstItems,
                              const ChartItemLongitudes& secondItems);

}  // namespace velora
