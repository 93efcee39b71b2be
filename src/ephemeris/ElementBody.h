#pragma once

namespace velora {

// Fixed osculating elements of a body at an epoch, propagated by mean motion alone.
struct BodyElementSet {
  double ascendingNodeDegrees;
  double inclinationDegrees;
  double semiMajorAxisAu;
  double eccentricity;
  double perihelionLongitudeDegrees;
  double epochMeanLongitudeDegrees;
  double periodYears;
};

inline constexpr BodyElementSet kPlutoElements{109.941, 17.137,  39.78459, 0.25387,
                                               222.972, 209.439, 250.9};
inline constexpr BodyElementSet kChironElements{8.89114,    4.237451,  13.33317, 0.38041337,
                                                187.808256, 73.072644, 50.374788};

// Epochs as Julian days: 2 January 1980 0h for Pluto, 1 January 1980 0h for Chiron.
double PlutoEpochJulianDay();
double ChironEpochJulianDay();

// Geocentric longitude in degrees, [0, 360), of the body `daysSinceEpoch` days after its epoch,
// seen from a fixed elliptic Earth orbit counted from the same epoch.
double ElementBody(const BodyElementSet& elements, double daysSinceEpoch);

}  // namespace velora
