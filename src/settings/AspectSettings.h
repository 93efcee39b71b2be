#pragma once

#include <string>
#include <vector>

#include "canvas/Colour.h"
#include "common/OneBasedArray.h"

namespace velora {

// The engine has room for this many aspect angles and colours.
inline constexpr int kMaxAspectCount = 10;

using AspectColours = OneBasedArray<Rgb, kMaxAspectCount>;

// The values of the aspect settings window: the list of angle texts in their order, its
// selection, and the ten colour swatches (swatch K colours list position K).
class AspectSettings {
 public:
  static constexpr int kNoSelection = -1;

  AspectSettings();

  const std::vector<std::string>& entries() const { return entries_; }
  int entryCount() const { return static_cast<int>(entries_.size()); }

  // 0-based index of the selected entry, kNoSelection when none is selected.
  int selectedIndex() const { return selectedIndex_; }
  void Select(int index);

  // "Добавить": appends the text unchanged (no check that it is a number, no sorting). An empty
  // text is ignored. The engine uses at most ten angles, so an eleventh is refused: throws
  // UserError with a message saying so and leaves the list unchanged.
  void Add(const std::string& angleText);

  // "Удалить": deletes the selected entry; with nothing selected nothing happens. Afterwards no
  // entry is selected.
  void RemoveSelected();

  const AspectColours& swatchColours() const { return swatches_; }
  void setSwatchColour(int swatch, Rgb colour) { swatches_[swatch] = colour; }

 private:
  std::vector<std::string> entries_;
  int selectedIndex_ = kNoSelection;
  AspectColours swatches_;
};

}  // namespace velora
