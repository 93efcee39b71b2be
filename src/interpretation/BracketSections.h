#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "interpretation/InterpretationText.h"

namespace velora {

// The section reader of the synastry composers: the selection loop over the plain bracket file
// `dataDirectory` + `fileName`, one key per item (the first `count` of `keys`; a count beyond the
// list is taken as the whole list; an empty key never matches), headings shown behind their
// first two "]".
void ReadBracketSections(const std::filesystem::path& dataDirectory, std::string_view fileName,
                         const std::vector<std::string>& keys, std::size_t count,
                         InterpretationText& out);

}  // namespace velora
