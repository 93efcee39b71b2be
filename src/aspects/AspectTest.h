#pragma once

namespace velora {

// The orb of a pair: the mean of the two items' orbs, in degrees.
double PairOrbDegrees(double orbADegrees, double orbBDegrees);

// |a - b| folded into [0, 180] for longitudes in [0, 360].
double SeparationDegrees(double longitudeADegrees, double longitudeBDegrees);

// Whether the pair stands in the aspect of `aspectAngleDegrees`: both items included and the
// separation strictly inside the band angle - orb .. angle + orb (the edges are no aspect).
bool AspectMatches(double longitudeADegrees, double longitudeBDegrees, double orbADegrees,
                   double orbBDegrees, bool includedA, bool includedB, double aspectAngleDegrees);

}  // namespace velora
