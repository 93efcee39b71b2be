#pragma once

#include <array>
#include <string>
#include <vector>

#include "aspects/AspectList.h"
#include "workspace/Workspace.h"

namespace velora {

// The natal chart the transits are measured against: bodies 1..16 and the cusps of the chosen
// house system. A calendar computes it once for all its days.
struct NatalChart {
  PlanetLongitudes longitudes;
  HouseCusps cusps;
};

// The house of a longitude among the cusps, house 1 to 12 in turn, a later match winning; a
// house whose cusp is greater than the next one spans 0°. 360° is the point 0°. 0 for none.
int TransitHouseOf(double longitudeDegrees, const HouseCusps& cusps);

// The first chart as the listing needs it. Throws UserError asking for the month when the first
// chart has none.
NatalChart ComputeNatalChart(Workspace& workspace);

// The transits of the second chart's moment to the natal chart: one line for every pair of a
// transiting body and a natal item (bodies, Ascendant, MC) standing in an aspect of the user's
// list, with the inclusion and orbs of the planets window (the natal Ascendant and MC always
// included, orb 1, which stays in computed.itemOrbs). Sets derived.transitHouses. Throws
// UserError asking for the month when a chart has none.
std::vector<std::string> ListTransitsForDay(Workspace& workspace);
std::vector<std::string> ListTransitsForDay(Workspace& workspace, const NatalChart& natal);

// The settings the listing reads: the aspect list and the inclusion and orbs of bodies 1..16
// (into computed.itemOrbs). A calendar reads them once for all its days.
struct TransitRules {
  AspectList aspects;
  ItemFlags flags;
  // For each whole degree b of separation, how near any angle of the list comes to [b, b + 1]:
  // a pair whose orb is smaller forms no aspect, and the listing need not try the angles.
  std::array<double, 182> nearestAngleDegrees{};
};
TransitRules ReadTransitRules(Workspace& workspace);
std::vector<std::string> ListTransitsForDay(Workspace& workspace, const NatalChart& natal,
                                            const TransitRules& rules);

}  // namespace velora
