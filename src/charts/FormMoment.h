#pragma once

#include "charts/ChartForm.h"

namespace velora {

// Moves the date and time of an entry form by whole minutes with ordinary calendar arithmetic
// (months and years carried, leap years by the Gregorian rule). The form's own odd values are
// taken as the chart computation takes them: day 31 of a short month runs on into the next month,
// minute 60 is the next hour, and no month chosen is the December before. The result is clamped
// to the form's year range (1 January 1880 00:00 to 31 December 2050 23:59). Forward and back
// by the same step returns to the same moment.
void ShiftFormMoment(ChartForm& form, long minutes);

}  // namespace velora
