#pragma once

#include <string>
#include <vector>

#include "workspace/Workspace.h"

namespace velora {

// The month labels of the calendar lines, "01" to "12".
std::string MonthNumber(int month);

// The transit calendar from the day after Date 1 to Date 2 inclusive (one day at least): the
// heading with the birth date, then for each day its line (date and weekday) and its transits,
// computed at the time of day the second chart holds. The second chart is left on the last day
// listed. Throws UserError asking for the month when the first chart has none.
std::vector<std::string> TransitCalendarLines(Workspace& workspace);

}  // namespace velora
