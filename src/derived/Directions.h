#pragma once

#include <string>
#include <vector>

#include "settings/DayDate.h"
#include "workspace/Workspace.h"

namespace velora {

// The radix and the same chart directed to a date: every point moved on by one arc.
struct DirectedChart {
  double arcDegrees = 0;
  PlanetLongitudes radixLongitudes;
  HouseCusps radixCusps;
  PlanetLongitudes directedLongitudes;
  HouseCusps directedCusps;
};

// One degree for each year of 365.25 days between the two whole days; negative before the birth.
double DirectionArcDegrees(const DayDate& targetDate, const DayDate& birthDate);

// radix + arc, with 360 taken off once when the sum lies above 360: a sum of exactly 360 stays
// 360 and a negative sum stays negative.
double DirectedDegrees(double radixDegrees, double arcDegrees);

// The birth day of the first chart. Throws UserError asking for the month when none is chosen.
DayDate BirthDateOf(const ChartForm& form);

// Computes the first chart (bodies, then the cusps of the chosen house system) and directs it to
// the date of the directions window. Stores the target date and the directed points in
// workspace.derived, where the picture and the texts read them.
DirectedChart ComputeDirections(Workspace& workspace);

// The table of radix and directed positions: the arc, then bodies and houses, every number with
// two decimals in six characters.
std::vector<std::string> DirectionsTableLines(const DirectedChart& chart);

}  // namespace velora
