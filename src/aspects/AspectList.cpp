#include "aspects/AspectList.h"

#include <algorithm>
#include <string>

#include "common/DecimalText.h"
#include "common/UserError.h"

namespace velora {

void ReadAspectColours(const AspectSettings& settings, AspectColours& colours) {
  colours = settings.swatchColours();
}

AspectList ReadAspectList(AspectSettings& settings, AspectColours& colours) {
  AspectList list;
  // The settings never hold more than ten; the engine has no room for more in any case.
  list.count = std::min(settings.entryCount(), kMaxAspectCount);
  ReadAspectColours(settings, colours);
  for (int position = 1; position <= list.count; ++position) {
    settings.Select(position - 1);
    const std::string& text = settings.entries()[static_cast<std::size_t>(position - 1)];
    const std::optional<double> angle = ParseDecimal(text);
    if (!angle) throw UserError("'" + text + "' не является числом (список аспектов)");
    list.anglesDegrees[position] = *angle;
  }
  return list;
}

}  // namespace velora
