#pragma once

#include <string_view>

#include "common/OneBasedArray.h"
#include "ephemeris/ChartInput.h"

namespace velora {

// Twelve cusp longitudes in degrees, [0, 360]; cusp 1 is the Ascendant (or the start of an equal
// system), cusp 10 the MC except in "A", "S" and "L", where it is cusp 1 + 270.
using HouseCusps = OneBasedArray<double, 12>;

// One letter: "M", "A", "P", "K", "S" or "L". The lower-case "m", "a", "p", "k" act as their
// capitals; any other letter computes the MC only.
using HouseSystemCode = char;

inline constexpr HouseSystemCode kDefaultHouseSystem = 'P';

// The caption of a system's button in the houses window, for messages.
std::string_view HouseSystemCaption(HouseSystemCode code);

// The chart state that "S" and "L" compute the Sun or the Moon into: the last chart input and the
// shared longitudes.
struct BodyState {
  ChartInput& input;
  PlanetLongitudes& longitudes;
};

// Computes the cusps of `code` for the moment and place of an entry form (`formMoment`: whole
// day, hour, minute, latitude, longitude). Codes other than the recognised ones write cusp 10
// only and leave the rest of `cusps` as it was. Throws UserError when the system has no cusps at
// the latitude (the semi-arc systems beyond the polar circles).
void ComputeHouses(const ChartInput& formMoment, HouseSystemCode code, HouseCusps& cusps,
                   BodyState bodies);

}  // namespace velora
