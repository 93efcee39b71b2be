#pragma once

#include "app/MainCommands.h"

namespace velora {

// "Расчет " of the calendar window. With the dates out of order the window stays open with its
// warning and nothing is computed. Otherwise the window closes and the text view receives the
// fatigue table (when the work is the fatigue calendar) or the transit calendar, appended to what
// it holds. A first chart without a month stops it with UserError.
void RunCalendarCompute(CommandContext& context);

}  // namespace velora
