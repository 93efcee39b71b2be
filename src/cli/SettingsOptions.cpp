#include "cli/SettingsOptions.h"

#include <string_view>
#include <vector>

#include "common/DecimalText.h"
#include "common/UserError.h"

namespace velora::cli {
namespace {

std::vector<std::string> CommaSeparated(const std::string& text) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    parts.push_back(text.substr(start, comma - start));
    if (comma == std::string::npos) return parts;
    start = comma + 1;
  }
}

void ApplyOrbs(const std::string& text, ItemSettings& items) {
  constexpr std::pair<std::string_view, OrbPreset> kPresets[] = {
      {"radix", OrbPreset::kRadix},
      {"transit", OrbPreset::kTransit},
      {"directions", OrbPreset::kDirections},
      {"synastry", OrbPreset::kSynastry}};
  for (const auto& [name, preset] : kPresets) {
    if (text == name) {
      items.LoadPreset(preset);
      return;
    }
  }
  const std::vector<std::string> orbs = CommaSeparated(text);
  if (orbs.size() != static_cast<std::size_t>(kItemBoxCount)) {
    throw UsageError("--orbs: «" + text +
                     "» — ни набор (radix, transit, directions, synastry), ни 17 орбисов через "
                     "запятую");
  }
  for (int box = 1; box <= kItemBoxCount; ++box) {
    const std::string& orb = orbs[static_cast<std::size_t>(box - 1)];
    if (!ParseDecimal(orb)) {
      throw UsageError("--orbs: орбис «" + orb + "» (" +
                       std::string(ItemSettings::BoxCaption(box)) + ") не число");
    }
    items.setOrbText(box, orb);
  }
}

void ApplyAspects(const std::string& text, AspectSettings& aspects) {
  const std::vector<std::string> angles = CommaSeparated(text);
  if (angles.size() > static_cast<std::size_t>(kMaxAspectCount)) {
    throw UsageError("--aspects: не больше " + std::to_string(kMaxAspectCount) + " углов");
  }
  for (const std::string& angle : angles) {
    if (!ParseDecimal(angle)) throw UsageError("--aspects: угол «" + angle + "» не число");
  }
  while (aspects.entryCount() > 0) {
    aspects.Select(0);
    aspects.RemoveSelected();
  }
  for (const std::string& angle : angles) aspects.Add(angle);
}

}  // namespace

std::set<std::string> SettingsValueOptionNames() {
  return {"orbs", "aspects"};
}

std::set<std::string> SettingsFlagOptionNames() {
  return {"all-items"};
}

void ApplySettingsOptions(const ParsedOptions& options, WorkspaceSettings& settings) {
  if (const auto orbs = options.value("orbs")) ApplyOrbs(*orbs, settings.items);
  if (options.has("all-items")) {
    for (int box = 1; box <= kItemBoxCount; ++box) settings.items.setChecked(box, true);
  }
  if (const auto aspects = options.value("aspects")) ApplyAspects(*aspects, settings.aspects);
}

}  // namespace velora::cli
