#pragma once

namespace velora {

// Linear longitudes of the fictitious points, reduced into [0, 360]. `day` carries the fraction
// of the day; Proserpina does not depend on the day at all.
double ProserpinaLongitude(double month, double year);
double SelenaLongitude(double day, double month, double year);
double LilithLongitude(double day, double month, double year);

}  // namespace velora
