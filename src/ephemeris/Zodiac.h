#pragma once

#include <array>
#include <string_view>

namespace velora {

inline constexpr std::array<std::string_view, 13> kSignNames = {
    "",     "Овен",     "Телец",   "Близнецы", "Рак",     "Лев", "Дева",
    "Весы", "Скорпион", "Стрелец", "Козерог",  "Водолей", "Рыбы"};

// A longitude as sign, whole degrees within the sign and whole minutes (both truncated). An exact
// multiple of 30° stays in the lower sign at 30°, and 0° is Aries 0°.
struct SignPosition {
  int sign = 1;  // 1 Aries .. 12 Pisces
  int degrees = 0;
  int minutes = 0;
};

SignPosition SignPositionOf(double longitudeDegrees);

}  // namespace velora
