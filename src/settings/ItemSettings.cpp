#include "settings/ItemSettings.h"

#include "common/DecimalText.h"

namespace velora {
namespace {

constexpr std::array<std::string_view, kItemBoxCount + 1> kBoxCaptions = {
    "",       "Солнце", "Луна",  "Меркурий",   "Венера",      "Марс",   "Юпитер", "Сатурн", "Уран",
    "Нептун", "Плутон", "Хирон", "Прозерпина", "Раху и Кету", "Селена", "Лилит",  "Asc",    "Mc"};

constexpr std::array<bool, kItemBoxCount + 1> kCheckedAtStart = {
    false, true,  true,  true,  true,  true,  true,  true, false,
    false, false, false, false, false, false, false, true, true};

using PresetRow = std::array<std::string_view, kItemBoxCount + 1>;

constexpr PresetRow kRadixOrbs = {"",  "10", "10", "6",   "6",   "5",   "3",   "3", "2",
                                  "2", "1",  "1",  "0.5", "0.5", "0.5", "0.5", "5", "5"};
constexpr PresetRow kTransitOrbs = {"",    "1.2", "6.5", "1.1", "1.1", "1.6", "1.5", "1.5", "0.5",
                                    "0.5", "0.5", "0.5", "0.5", "0.5", "0.5", "0.5", "1",   "1"};
constexpr PresetRow kDirectionsOrbs = {"",  "2", "1.5", "1", "1", "1", "1", "1", "1",
                                       "1", "1", "1",   "1", "1", "1", "1", "1", "1"};
constexpr PresetRow kSynastryOrbs = {"",  "10", "10", "6", "6", "6", "6", "6", "6",
                                     "6", "6",  "6",  "6", "6", "6", "6", "6", "6"};

const PresetRow& PresetRowOf(OrbPreset preset) {
  switch (preset) {
    case OrbPreset::kTransit:
      return kTransitOrbs;
    case OrbPreset::kDirections:
      return kDirectionsOrbs;
    case OrbPreset::kSynastry:
      return kSynastryOrbs;
    default:
      return kRadixOrbs;
  }
}

}  // namespace

ItemSettings::ItemSettings() {
  for (int box = 1; box <= kItemBoxCount; ++box) checked_[box] = kCheckedAtStart[box];
  LoadPreset(OrbPreset::kRadix);
}

int ItemSettings::BoxOfItem(int item) {
  if (item <= 13) return item;
  return item - 1;  // Ketu shares the nodes' box; everything after it moves up one.
}

std::string_view ItemSettings::BoxCaption(int box) {
  return kBoxCaptions[box];
}

void ItemSettings::LoadPreset(OrbPreset preset) {
  const PresetRow& row = PresetRowOf(preset);
  for (int box = 1; box <= kItemBoxCount; ++box) orbTexts_[box] = std::string(row[box]);
}

void ItemSettings::PressToggleAll() {
  for (int box = 1; box <= kItemBoxCount; ++box) checked_[box] = toggleChecksAll_;
  toggleChecksAll_ = !toggleChecksAll_;
}

void ApplyItemSetting(int item, const ItemSettings& settings, ItemOrbs& orbs, ItemFlags& flags) {
  flags[item] = 0;
  if (!settings.itemIncluded(item)) return;
  orbs[item] = ParseDecimal(settings.orbText(ItemSettings::BoxOfItem(item))).value_or(0);
  flags[item] = 1;
}

}  // namespace velora
