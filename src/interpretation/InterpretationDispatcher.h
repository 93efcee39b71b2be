#pragma once

#include <filesystem>
#include <string_view>

#include "app/Workspace.h"
#include "interpretation/InterpretationText.h"

namespace velora {

// The text of the current work: clears `out`, writes the header of the kind of chart named by
// `chartKind` (compared exactly) and runs its composers. Kinds whose composers are not part of
// this program yet write their header only; unknown kinds write nothing. A file that cannot be
// opened throws UserError; what was appended before stays.
// Whether the kind of chart has text in this version: the natal charts in full, transits and
// returns their header so far. The button stays disabled for the other kinds.
bool InterpretationAvailable(std::string_view chartKind);

void RunInterpretation(Workspace& workspace, std::string_view chartKind,
                       const std::filesystem::path& dataDirectory, InterpretationText& out);

}  // namespace velora
