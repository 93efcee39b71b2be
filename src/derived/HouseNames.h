#pragma once

#include <array>
#include <string_view>

namespace velora {

// The house names of the tables and listings of the derived charts, house 1 first.
inline constexpr std::array<std::string_view, 13> kHouseNames = {
    "", "Асц", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "MC", "XI", "XII"};

}  // namespace velora
