#pragma once

namespace velora {

// The orb of a pair: the mean of the two items' orbs, in degrees.
double PairOrbDegrees(double orbADegrees, double orbBDegrees);

// |a - b| folded into [0, 180] for longitudes in [0, 360].
double SeparationDegrees(double longitudeADegrees, double longitudeBDegrees);

// The angle between two longitudes of any size (directed points may lie below 0° or above
// 360°): |a - b| reduced to [0, 360), then folded into [0, 180]. Equal to SeparationDegrees for
// longitudes in [0, 360].
double FoldedSeparationDegrees(double longitudeADegrees, double longitudeBDegrees);

// Whether the pair stands in the aspect of `aspectAngleDegrees`: both items included and the
// separation strictly inside the band angle - orb .. angle + orb (the edges are no aspect).
bool AspectMatches(double longitudeADegrees, double longitudeBDegrees, double orbADegrees,
                   double orbBDegrees, bool includedA, bool includedB, double aspectAngleDegrees);

}  // namespace velora
