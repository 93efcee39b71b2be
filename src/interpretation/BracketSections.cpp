#include "interpretation/BracketSections.h"

#include <algorithm>

#include "interpretation/EntrySelection.h"

namespace velora {

void ReadBracketSections(const std::filesystem::path& dataDirectory, std::string_view fileName,
                         const std::vector<std::string>& keys, std::size_t count,
                         InterpretationText& out) {
  std::vector<EntryItem> items;
  items.reserve(std::min(count, keys.size()));
  for (std::size_t i = 0; i < count && i < keys.size(); ++i) items.push_back({{keys[i]}});
  SelectEntries(dataDirectory, fileName, LibraryGroup::kSynastry, items, out);
}

}  // namespace velora
