#pragma once

#include <filesystem>
#include <optional>

namespace velora {

// Whether `directory` holds the data folder Dann (its name in any case).
bool HoldsDataFolder(const std::filesystem::path& directory);

// The folder that holds Dann, first hit wins: the folder given with --data; the current folder
// when it holds Dann; the folder of the program when it holds Dann (the installed data). With
// none of these, the current folder (the program then reports the missing files).
std::filesystem::path ResolveDataDirectory(const std::optional<std::filesystem::path>& given,
                                           const std::filesystem::path& currentDirectory,
                                           const std::filesystem::path& programDirectory);

}  // namespace velora
