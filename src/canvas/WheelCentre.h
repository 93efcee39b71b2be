#pragma once

namespace velora {

// The pixel about which the chart wheel is drawn; every ring, tick and chord measures from it.
struct WheelCentre {
  int x = 0;
  int y = 0;
  bool operator==(const WheelCentre&) const = default;
};

}  // namespace velora
