#pragma once

#include <filesystem>
#include <string_view>

#include "interpretation/InterpretationText.h"
#include "workspace/Workspace.h"

namespace velora {

// Whether the kind of chart has a text. The interpretation button stays disabled for the other
// kinds.
bool InterpretationAvailable(std::string_view chartKind);

// The text of the current work: clears `out`, then writes the header of the kind of chart named
// by `chartKind` (compared exactly) and runs its composers in order. Unknown kinds write nothing.
// A file that cannot be opened throws UserError; what was appended before stays.
void RunInterpretation(Workspace& workspace, std::string_view chartKind,
                       const std::filesystem::path& dataDirectory, InterpretationText& out);

}  // namespace velora
