#include "app/DataDirectory.h"

#include <system_error>

#include "common/CaseInsensitivePath.h"

namespace velora {

bool HoldsDataFolder(const std::filesystem::path& directory) {
  const std::optional<std::filesystem::path> folder = FindPathIgnoringCase(directory, "Dann");
  std::error_code error;
  return folder && std::filesystem::is_directory(*folder, error);
}

std::filesystem::path ResolveDataDirectory(const std::optional<std::filesystem::path>& given,
                                           const std::filesystem::path& currentDirectory,
                                           const std::filesystem::path& programDirectory) {
  if (given) return *given;
  if (HoldsDataFolder(currentDirectory)) return currentDirectory;
  if (!programDirectory.empty() && HoldsDataFolder(programDirectory)) return programDirectory;
  return currentDirectory;
}

}  // namespace velora
