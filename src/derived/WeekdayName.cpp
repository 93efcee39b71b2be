#include "derived/WeekdayName.h"

#include <cmath>

namespace velora {

std::string_view WeekdayName(double day, double month, double year) {
  double n = 365 * year + day + 31 * (month - 1);
  if (month <= 2) {
    n = n + std::trunc((year - 1) / 4) - std::trunc(std::trunc((year - 1) / 100 + 1) * 3 / 4);
  } else {
    n = n - std::trunc(0.4 * month + 2.3) + std::trunc(year / 4) -
        std::trunc((std::trunc(year / 100) + 1) * 0.75);
  }
  const int index = static_cast<int>(n - std::trunc(n / 7) * 7);
  return kWeekdayNames[static_cast<std::size_t>(index >= 0 && index < 7 ? index : 0)];
}

}  // namespace velora
