#include "aspects/AspectLines.h"

#include "aspects/AspectChord.h"
#include "aspects/AspectTest.h"

namespace velora {
namespace {

void DrawPairAspects(Canvas& canvas, const AspectRules& rules, int itemA, double longitudeA,
                     int itemB, double longitudeB) {
  const int radius = AspectChordRadiusPixels(canvas.heightPixels());
  for (int k = 1; k <= rules.list.count; ++k) {
    if (AspectMatches(longitudeA, longitudeB, rules.orbs[itemA], rules.orbs[itemB],
                      rules.flags[itemA] != 0, rules.flags[itemB] != 0,
                      rules.list.anglesDegrees[k])) {
      DrawAspectChord(canvas, radius, rules.colours[k], longitudeB, longitudeA);
    }
  }
}

}  // namespace

void DrawAspectsWithinChart(Canvas& canvas, const AspectRules& rules,
                            const ChartItemLongitudes& items) {
  for (int i = 1; i < kItemCount; ++i) {
    for (int j = i + 1; j <= kItemCount; ++j) {
      DrawPairAspects(canvas, rules, i, items[i], j, items[j]);
    }
  }
}

void DrawAspectsBetweenCharts(Canvas& canvas, const AspectRules& rules,
                              const ChartItemLongitudes& firstItems,
                              const ChartItemLongitudes& secondItems) {
  for (int i = 1; i <= kItemCount; ++i) {
    for (int j = 1; j <= kItemCount; ++j) {
      DrawPairAspects(canvas, rules, i, firstItems[i], j, secondItems[j]);
    }
  }
}

}  // namespace velora
