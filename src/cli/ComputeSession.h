#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "workspace/Workspace.h"

namespace velora::cli {

// The first chart, its house system and the settings windows' options, as the computing
// subcommands take them.
void ApplyFirstChartAndSettings(const ParsedOptions& options, Workspace& workspace);

// Prints `lines` from `first` on, one per line, to standard output.
void PrintLines(const std::vector<std::string>& lines, std::size_t first = 0);

}  // namespace velora::cli
