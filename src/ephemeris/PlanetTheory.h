#pragma once

#include "ephemeris/SunPosition.h"

namespace velora {

// Mean orbital elements of a planet for one moment (angles in degrees, axis in AU).
struct OrbitalElements {
  double meanLongitude = 0;
  double ascendingNode = 0;
  double inclination = 0;
  double meanAnomaly = 0;
  double eccentricity = 0;
  double semiMajorAxis = 0;
};

// Corrections added to the heliocentric position after the orbit has been solved.
struct HeliocentricCorrections {
  double radiusVectorAu = 0;
  double latitudeDegrees = 0;
  double longitudeDegrees = 0;
};

// Geocentric ecliptic longitude in [0, 360] of a planet with the given elements, seen from the
// Earth whose position comes from the Sun theory for the same moment (raw true longitude and R).
double GeocentricFromElements(const HeliocentricCorrections& corrections,
                              const OrbitalElements& elements, const SunPositionResult& sun);

// Geocentric longitude of Mercury (3) .. Neptune (9) for the moment; `sun` must be
// SunPosition(day, month, year).
double PlanetLongitude(int body, double day, double month, double year,
                       const SunPositionResult& sun);

}  // namespace velora
