#pragma once

#include "charts/ChartForm.h"
#include "derived/SearchMoment.h"

namespace velora {

// The moment of the chosen year at which the Sun comes back to its longitude in the first chart:
// the secant of a day's motion from the birthday's clock time extended to the target, then five
// passes over an hour of the found day. Every moment is kept in whole minutes, as the window
// would hold it; the result may lie outside the window's years (see WithinFormYears).
// `second` gives the year and the place. Throws UserError when the first chart has no month.
SearchMoment FindSolarReturn(const ChartForm& first, const ChartForm& second);

// FindSolarReturn, then the moment written into `second` (name "Соляр"). A return outside the
// window's years is refused with UserError and leaves `second` as it was.
void SolarReturnSearch(const ChartForm& first, ChartForm& second);

}  // namespace velora
