#pragma once

#include <set>
#include <string>

#include "cli/CommandLine.h"
#include "workspace/Workspace.h"

namespace velora::cli {

// The settings windows' options of the computing subcommands:
//   --orbs radix|transit|directions|synastry, or 17 orbs by box, separated by commas;
//   --all-items: every box of the inclusion window checked;
//   --aspects A,B,…: the aspect list, at most ten angles.
std::set<std::string> SettingsValueOptionNames();
std::set<std::string> SettingsFlagOptionNames();

void ApplySettingsOptions(const ParsedOptions& options, WorkspaceSettings& settings);

}  // namespace velora::cli
