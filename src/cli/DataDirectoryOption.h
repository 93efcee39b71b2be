#pragma once

#include <filesystem>

#include "cli/CommandLine.h"

namespace velora::cli {

// The folder holding Dann for a subcommand: --data DIR, else the current folder when it holds
// Dann, else the folder of velora-cli when it does.
std::filesystem::path DataDirectoryFromOptions(const ParsedOptions& options);

}  // namespace velora::cli
