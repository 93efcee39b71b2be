#pragma once

#include <filesystem>

#include "interpretation/InterpretationText.h"
#include "workspace/Workspace.h"

namespace velora {

enum class RadixReader { kAdult, kChild };

// The natal text, section by section, from the radix files under `dataDirectory`. Each composer
// computes the first chart (bodies and the chosen house system) itself before reading its file.
// A file that cannot be opened throws UserError; what was appended before stays in `out`.

// Planets in signs, planets in houses (a child's text leaves this one out) and houses in signs.
void ComposeRadix(Workspace& workspace, const std::filesystem::path& dataDirectory,
                  RadixReader reader, InterpretationText& out);
// The sign in which the ruler of each house stands.
void ComposeRulersInSigns(Workspace& workspace, const std::filesystem::path& dataDirectory,
                          InterpretationText& out);
// The table of house rulers and the house each stands in, then their entries.
void ComposeRulersInHouses(Workspace& workspace, const std::filesystem::path& dataDirectory,
                           InterpretationText& out);
// The aspects between the 18 items over the five classical angles, with the orbs as they stand
// in the workspace and no inclusion settings.
void ComposeRadixAspects(Workspace& workspace, const std::filesystem::path& dataDirectory,
                         RadixReader reader, InterpretationText& out);

}  // namespace velora
