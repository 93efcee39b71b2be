#pragma once

namespace velora {

// The values of ChartKind: the kind of the current work, set by the main window's commands and
// compared exactly by whatever reads it.
namespace chart_kinds {
inline constexpr const char* kRadix = "Радикс";
inline constexpr const char* kChildRadix = "Радикс детский";
inline constexpr const char* kTransit = "Транзит";
inline constexpr const char* kMedicalTransit = "Транзит медицинский";
inline constexpr const char* kSolar = "Соляр";
inline constexpr const char* kLunar = "Лунар";
inline constexpr const char* kDirections = "Дирекция";
inline constexpr const char* kPartnerWaiting = "Синастрия ожидания";
inline constexpr const char* kKarmicSynastry = "Синастрия карма";
inline constexpr const char* kEroticSynastry = "Эротика";
inline constexpr const char* kPartnershipSynastry = "Синастрия партнерство";
inline constexpr const char* kFatigue = "Усталость";
}  // namespace chart_kinds

}  // namespace velora
