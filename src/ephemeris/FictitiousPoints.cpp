#include "ephemeris/FictitiousPoints.h"

#include "ephemeris/NumericRoutines.h"

namespace velora {

double ProserpinaLongitude(double month, double year) {
  const double y = year - 1900;
  return ReduceFromAbove(170.7 + 0.5105 * y + 0.043 * month);
}

double SelenaLongitude(double day, double month, double year) {
  const double y = year - 1900;
  return ReduceFromAbove(134.7 + 51.429 * y + 4.286 * month + 0.141 * day);
}

double LilithLongitude(double day, double month, double year) {
  const double y = year - 1900;
  return ReduceFromAbove(150.94 + 40.69 * y + 3.39 * month + 0.1114 * day);
}

}  // namespace velora
