#pragma once

#include "common/OneBasedArray.h"
#include "settings/AspectSettings.h"

namespace velora {

// The aspect angles in degrees in the order of the settings list; positions 1..count are used.
struct AspectList {
  int count = 0;
  OneBasedArray<double, kMaxAspectCount> anglesDegrees;
};

// Copies the ten swatch colours into `colours`.
void ReadAspectColours(const AspectSettings& settings, AspectColours& colours);

// Reads the colours, then converts the entries in list order, selecting each in turn (so the
// selection ends on the last entry). An entry that is not a number throws UserError naming it;
// nothing after it is converted.
AspectList ReadAspectList(AspectSettings& settings, AspectColours& colours);

}  // namespace velora
