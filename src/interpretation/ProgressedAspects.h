#pragma once

#include <string>
#include <vector>

#include "workspace/Workspace.h"

namespace velora {

// The year's progressed aspects of a solar return, one day after the return standing for one
// year of life: each return body moves on by its motion of that day divided by 365. For the days
// 2..365 after the return the lines name every progressed body within a day's motion of an
// aspect (0, 60, 90, 120, 180) to a radix body, then every progressed body 1..11 near an aspect
// to a return body, each line dated with the day whose positions it shows. The return is the
// second chart; the second window is read, never changed.
std::vector<std::string> ProgressedAspectLines(Workspace& workspace);

}  // namespace velora
