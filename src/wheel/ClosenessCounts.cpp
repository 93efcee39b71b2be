#include "wheel/ClosenessCounts.h"

#include <cmath>

namespace velora {

BodyCounts ClosenessCounts(const PlanetLongitudes& longitudes) {
  BodyCounts counts;
  for (int i = 1; i <= kBodyCount; ++i) {
    counts[i] = 1;
    for (int j = i + 1; j <= kBodyCount; ++j) {
      if (std::fabs(longitudes[j] - longitudes[i]) < 10) ++counts[i];
    }
  }
  return counts;
}

}  // namespace velora
