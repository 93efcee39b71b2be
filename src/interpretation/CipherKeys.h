#pragma once

#include <string_view>

#include "interpretation/LineCipher.h"

namespace velora {

// The keys of the enciphered file groups, as written (UTF-8 here, Windows-1251 on disk).
inline constexpr std::string_view kRadixKeyText = "VexКлючик";          // Radix\ adult files
inline constexpr std::string_view kReturnsKeyText = "Мирта 04:17";      // CO\ and LO\ files
inline constexpr std::string_view kTransitKeyText = "08:26 Valtrop";    // Tranzit\ files
inline constexpr std::string_view kDirectionsKeyText = "Mornel 09:42";  // Direc\ files

// The same keys, converted once.
const CipherKey& RadixCipherKey();
const CipherKey& ReturnsCipherKey();
const CipherKey& TransitCipherKey();
const CipherKey& DirectionsCipherKey();

}  // namespace velora
