#include "ephemeris/Zodiac.h"

#include <cmath>

namespace velora {

SignPosition SignPositionOf(double longitudeDegrees) {
  SignPosition position;
  double withinSign = longitudeDegrees;
  while (withinSign > 30) {
    withinSign -= 30;
    ++position.sign;
  }
  position.degrees = static_cast<int>(std::trunc(withinSign));
  position.minutes = static_cast<int>(std::trunc((withinSign - position.degrees) * 60));
  return position;
}

}  // namespace velora
