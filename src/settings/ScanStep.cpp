#include "settings/ScanStep.h"

namespace velora {

double ScanStepDays(ScanStepChoice choice) {
  switch (choice) {
    case ScanStepChoice::kSevenDays:
      return 7;
    case ScanStepChoice::kOneHour:
      return 1.0 / 24;
    case ScanStepChoice::kTenMinutes:
      return 1.0 / 144;
    default:
      return 1;
  }
}

int ScanStepMinutes(ScanStepChoice choice) {
  switch (choice) {
    case ScanStepChoice::kSevenDays:
      return 7 * 24 * 60;
    case ScanStepChoice::kOneHour:
      return 60;
    case ScanStepChoice::kTenMinutes:
      return 10;
    default:
      return 24 * 60;
  }
}

}  // namespace velora
