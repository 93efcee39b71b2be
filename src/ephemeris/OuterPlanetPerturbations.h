#pragma once

#include "ephemeris/PlanetTheory.h"

namespace velora {

// Periodic perturbations of the outer planets, added to the mean elements (ΔL, ΔM, Δe, Δa) and
// to the heliocentric position (Δl, Δβ, Δr).
struct PlanetPerturbations {
  double meanLongitude = 0;
  double meanAnomaly = 0;
  double eccentricity = 0;
  double semiMajorAxis = 0;
  HeliocentricCorrections heliocentric;
};

// `unperturbedEccentricity` enters the mean-anomaly correction ΔM = ΔL − B / e0.
PlanetPerturbations JupiterPerturbations(double centuries, double unperturbedEccentricity);
PlanetPerturbations SaturnPerturbations(double centuries, double unperturbedEccentricity);
PlanetPerturbations UranusPerturbations(double centuries, double unperturbedEccentricity);
PlanetPerturbations NeptunePerturbations(double centuries, double unperturbedEccentricity);

}  // namespace velora
