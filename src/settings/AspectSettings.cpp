#include "settings/AspectSettings.h"

#include "common/UserError.h"

namespace velora {

AspectSettings::AspectSettings() : entries_{"0", "60", "90", "120", "180"} {
  const Rgb defaults[kMaxAspectCount] = {
      colours::kYellow,        colours::kFuchsia, colours::kBlue, colours::kRed,
      colours::kNavy,          colours::kAqua,    colours::kLime, colours::kOlive,
      colours::kActiveCaption, colours::kMaroon};
  for (int swatch = 1; swatch <= kMaxAspectCount; ++swatch)
    swatches_[swatch] = defaults[swatch - 1];
}

void AspectSettings::Select(int index) {
  selectedIndex_ = index >= 0 && index < entryCount() ? index : kNoSelection;
}

void AspectSettings::Add(const std::string& angleText) {
  if (angleText.empty()) return;
  if (entryCount() >= kMaxAspectCount) {
    throw UserError("В списке уже " + std::to_string(kMaxAspectCount) +
                    " аспектов — больше программа не использует; угол «" + angleText +
                    "» не добавлен");
  }
  entries_.push_back(angleText);
}

void AspectSettings::RemoveSelected() {
  if (selectedIndex_ == kNoSelection) return;
  entries_.erase(entries_.begin() + selectedIndex_);
  selectedIndex_ = kNoSelection;
}

}  // namespace velora
