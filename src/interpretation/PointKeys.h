#pragma once

#include <array>
#include <string>
#include <string_view>

namespace velora {

// The keys of the bodies in the bracket libraries, by body number; a moved point (transiting or
// directed) has "+" after the bracket.
inline constexpr std::array<std::string_view, 17> kBodyKeys = {
    "",      "[SOL]",  "[SEL]", "[MER]",  "[VEN]",  "[MARS]", "[JUP]",    "[SAT]",  "[URAN]",
    "[NEP]", "[PLUT]", "[HIR]", "[PROZ]", "[RAHU]", "[KETU]", "[SELENA]", "[LILIT]"};

std::string NatalBodyKey(int body);    // "[SOL]"
std::string MovedBodyKey(int body);    // "[+SOL]"
std::string NatalHouseKey(int house);  // "[H1]"
std::string MovedHouseKey(int house);  // "[+H1]"

}  // namespace velora
