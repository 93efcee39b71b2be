#pragma once

namespace velora {

// Reduces an angle into [0, 360]: exactly 360 is kept, as the theories expect.
double NormalizeDegrees(double degrees);

// Reduces into [0, 360] the other way round (subtract while above 360, then add while below 0),
// as the Moon, Pluto, Chiron and the fictitious points do.
double ReduceFromAbove(double degrees);

// The angle of the point (x, y) in radians, in [0, 2 pi) with the shortened pi. On the y axis
// (x exactly 0) the limiting angle is returned instead of dividing by zero.
double QuadrantAngle(double y, double x);

// arcsin through arctan, in radians. A sine beyond +-1 is a numeric fault (NumericFault).
double ArcSine(double sine);

// arccos in degrees, built on ArcSine with the shortened constants.
double ArcCosineDegrees(double cosine);

double ObliquityOfEclipticDegrees(double centuries);

// Greenwich sidereal time in hours for the moment of `centuries`; negative before 1900.
double SiderealTimeHours(double centuries);

// Ecliptic longitude in degrees, in [0, 360), of right ascension and declination (degrees).
double EquatorialToEcliptic(double rightAscensionDegrees, double declinationDegrees,
                            double obliquityDegrees);

}  // namespace velora
