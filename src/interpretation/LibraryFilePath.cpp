#include "interpretation/LibraryFilePath.h"

#include <optional>

#include "common/CaseInsensitivePath.h"

namespace velora {

std::filesystem::path LibraryFilePath(const std::filesystem::path& dataDirectory,
                                      std::string_view fileName) {
  const std::filesystem::path relative(fileName);
  const std::optional<std::filesystem::path> found = FindPathIgnoringCase(dataDirectory, relative);
  return found ? *found : PathAsSpelled(dataDirectory, relative);
}

}  // namespace velora
