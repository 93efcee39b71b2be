#pragma once

namespace velora {

struct KeplerSolution {
  double eccentricAnomalyDegrees = 0;
  double trueAnomalyDegrees = 0;
};

// Solves Kepler's equation by fixed-point iteration from the mean anomaly (radians). Both
// anomalies are returned in degrees, reduced into [0, 360].
KeplerSolution SolveKepler(double meanAnomalyRadians, double eccentricity);

// The same iteration; the true anomaly in radians, not reduced.
double TrueAnomalyRadians(double meanAnomalyRadians, double eccentricity);

}  // namespace velora
