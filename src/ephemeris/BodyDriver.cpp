#include "ephemeris/BodyDriver.h"

#include <cmath>

#include "ephemeris/Calendar.h"
#include "ephemeris/ElementBody.h"
#include "ephemeris/FictitiousPoints.h"
#include "ephemeris/MoonPosition.h"
#include "ephemeris/PlanetTheory.h"
#include "ephemeris/SunPosition.h"

namespace velora {
namespace {

void FoldTimeIntoDay(ChartInput& input) {
  input.day = std::trunc(input.day) + (input.minute / 60 + input.hour) / 24;
}

void StoreMoon(const ChartInput& input, PlanetLongitudes& longitudes) {
  const MoonPositionResult moon = MoonPosition(input.day, input.month, input.year);
  longitudes[kMoon] = moon.moonLongitudeDegrees;
  longitudes[kRahu] = moon.rahuLongitudeDegrees;
  longitudes[kKetu] = moon.ketuLongitudeDegrees;
}

double ElementBodyAt(const ChartInput& input, const BodyElementSet& elements,
                     double epochJulianDay) {
  return ElementBody(elements, JulianDay(input.day, input.month, input.year) - epochJulianDay);
}

// Bodies that need neither the Sun nor the Moon.
void StoreIndependentBody(int body, const ChartInput& input, PlanetLongitudes& longitudes) {
  switch (body) {
    case kPluto:
      longitudes[kPluto] = ElementBodyAt(input, kPlutoElements, PlutoEpochJulianDay());
      break;
    case kChiron:
      longitudes[kChiron] = ElementBodyAt(input, kChironElements, ChironEpochJulianDay());
      break;
    case kProserpina:
      longitudes[kProserpina] = ProserpinaLongitude(input.month, input.year);
      break;
    case kSelena:
      longitudes[kSelena] = SelenaLongitude(input.day, input.month, input.year);
      break;
    case kLilith:
      longitudes[kLilith] = LilithLongitude(input.day, input.month, input.year);
      break;
    default:
      break;
  }
}

bool IsPlanet(int body) {
  return body >= kMercury && body <= kNeptune;
}

}  // namespace

void ComputeBody(int body, ChartInput& input, PlanetLongitudes& longitudes) {
  FoldTimeIntoDay(input);
  if (body == kSun || IsPlanet(body)) {
    const SunPositionResult sun = SunPosition(input.day, input.month, input.year);
    longitudes[kSun] = sun.storedLongitudeDegrees;
    if (IsPlanet(body)) {
      longitudes[body] = PlanetLongitude(body, input.day, input.month, input.year, sun);
    }
  } else if (body == kMoon) {
    StoreMoon(input, longitudes);
  } else {
    StoreIndependentBody(body, input, longitudes);
  }
}

void ComputeAllBodies(ChartInput& input, PlanetLongitudes& longitudes) {
  FoldTimeIntoDay(input);
  const SunPositionResult sun = SunPosition(input.day, input.month, input.year);
  longitudes[kSun] = sun.storedLongitudeDegrees;
  StoreMoon(input, longitudes);
  for (int body = kMercury; body <= kNeptune; ++body) {
    longitudes[body] = PlanetLongitude(body, input.day, input.month, input.year, sun);
  }
  for (int body = kPluto; body <= kLilith; ++body) {
    StoreIndependentBody(body, input, longitudes);
  }
}

}  // namespace velora
