#pragma once

#include <filesystem>
#include <string_view>

#include "interpretation/InterpretationText.h"

namespace velora {

// Appends every line of the plain file `dataDirectory` + `fileName` as it is (UTF-8), with no
// selection: lines holding "&" or "[" included. A line end at the end of the file adds no empty
// line; an empty file gives one empty line. Throws UserError naming the file when it cannot be
// opened; lines appended before stay in `out`.
void AppendWholeFile(const std::filesystem::path& dataDirectory, std::string_view fileName,
                     InterpretationText& out);

}  // namespace velora
