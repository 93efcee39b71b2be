#include "interpretation/PointKeys.h"

namespace velora {

std::string NatalBodyKey(int body) {
  return std::string(kBodyKeys.at(static_cast<std::size_t>(body)));
}

std::string MovedBodyKey(int body) {
  return "[+" + NatalBodyKey(body).substr(1);
}

std::string NatalHouseKey(int house) {
  return "[H" + std::to_string(house) + "]";
}

std::string MovedHouseKey(int house) {
  return "[+H" + std::to_string(house) + "]";
}

}  // namespace velora
