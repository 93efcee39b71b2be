#pragma once

#include <optional>
#include <string>

#include "charts/ChartDatabase.h"
#include "charts/ChartForm.h"

namespace velora {

// "Сохранить" of the first chart window: the database loaded afresh, the chart's record appended
// and the whole list written back. Returns the notice of a missing file (which this save then
// creates). When the record cannot be built (a coordinate that is not a number) nothing is
// appended or written; when the write fails the appended record is taken off the list again, so
// list and file agree; both throw UserError.
std::optional<std::string> SaveChartToDatabase(ChartDatabase& database, const ChartForm& form);

}  // namespace velora
