#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "interpretation/EntrySelection.h"
#include "interpretation/InterpretationText.h"
#include "workspace/Workspace.h"

namespace velora {

inline constexpr std::string_view kClassicTransitFile = "\\Dann\\Tranzit\\tranzit.txt";
inline constexpr std::string_view kMedicalTransitFile = "\\Dann\\Tranzit\\tranzmed.txt";

// The text of the transits of the second chart's moment over the natal chart: the day's transit
// lines, the natal house each aspecting body switches on, then the entries of the classic or the
// medical file (by the kind of work) for every aspect over the five classical angles. A file that
// cannot be opened throws UserError after the lines before it.
void ComposeTransit(Workspace& workspace, const std::filesystem::path& dataDirectory,
                    InterpretationText& out);

// Every item the composer can ask of a transit file, for checking it.
std::vector<EntryItem> TransitLibraryItems();

}  // namespace velora
