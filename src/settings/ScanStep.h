#pragma once

#include <array>
#include <string_view>

namespace velora {

// The choices of the scan step window, in the order of its buttons.
enum class ScanStepChoice { kSevenDays, kOneDay, kOneHour, kTenMinutes };

inline constexpr ScanStepChoice kDefaultScanStep = ScanStepChoice::kOneDay;

inline constexpr std::array<std::string_view, 4> kScanStepCaptions = {"7 суток", "1 сутки", "1 час",
                                                                      "10 минут"};

// The step in days (7, 1, 1/24 or 1/144) and the same step in whole minutes.
double ScanStepDays(ScanStepChoice choice);
int ScanStepMinutes(ScanStepChoice choice);

}  // namespace velora
