#pragma once

#include <array>
#include <string>
#include <string_view>

#include "common/OneBasedArray.h"

namespace velora {

// Chart items: bodies 1..16, the Ascendant 17 and the MC 18.
inline constexpr int kItemCount = 18;
inline constexpr int kAscendantItem = 17;
inline constexpr int kMcItem = 18;
// The inclusion window has one check box and one orb for both lunar nodes, so 17 in all.
inline constexpr int kItemBoxCount = 17;

using ItemOrbs = OneBasedArray<double, kItemCount>;
using ItemFlags = OneBasedArray<unsigned char, kItemCount>;

enum class OrbPreset { kRadix, kTransit, kDirections, kSynastry };

// The values of the inclusion and orbs window: per box whether it is checked and its orb text.
class ItemSettings {
 public:
  ItemSettings();

  // The box (1..17) that decides item 1..18.
  static int BoxOfItem(int item);
  static std::string_view BoxCaption(int box);

  bool checked(int box) const { return checked_[box]; }
  void setChecked(int box, bool checked) { checked_[box] = checked; }
  const std::string& orbText(int box) const { return orbTexts_[box]; }
  void setOrbText(int box, std::string text) { orbTexts_[box] = std::move(text); }

  bool itemIncluded(int item) const { return checked_[BoxOfItem(item)]; }

  // Writes one preset row into the orb texts; nothing else changes.
  void LoadPreset(OrbPreset preset);

  // The small button at the top left: the first press after the window became active checks all
  // boxes, the next clears them all, and so on.
  void OnWindowActivated() { toggleChecksAll_ = true; }
  void PressToggleAll();

 private:
  OneBasedArray<bool, kItemBoxCount> checked_;
  OneBasedArray<std::string, kItemBoxCount> orbTexts_;
  bool toggleChecksAll_ = false;
};

// Reads item `item` (1..18) from the settings: its flag becomes 1 when its box is checked and its
// orb text is then converted into `orbs` (text that is not a number counts as 0). An excluded item
// gets flag 0 and keeps whatever orb was stored for it before.
void ApplyItemSetting(int item, const ItemSettings& settings, ItemOrbs& orbs, ItemFlags& flags);

}  // namespace velora
