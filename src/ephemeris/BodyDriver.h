#pragma once

#include "ephemeris/ChartInput.h"

namespace velora {

// Folds the time of day into `input.day` (whole day + (minute / 60 + hour) / 24) and computes
// one body into `longitudes`. The Moon also writes the nodes (13, 14); every planet 3..9 also
// rewrites the Sun (1) for the same moment; 13, 14 and numbers outside 1..16 compute nothing.
void ComputeBody(int body, ChartInput& input, PlanetLongitudes& longitudes);

// The same as ComputeBody for bodies 1..16 in ascending order, with the Sun computed once for
// all the planets.
void ComputeAllBodies(ChartInput& input, PlanetLongitudes& longitudes);

}  // namespace velora
