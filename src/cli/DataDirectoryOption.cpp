#include "cli/DataDirectoryOption.h"

#include <system_error>

#include "app/DataDirectory.h"

namespace velora::cli {
namespace {

std::filesystem::path ProgramDirectory() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : program.parent_path();
}

}  // namespace

std::filesystem::path DataDirectoryFromOptions(const ParsedOptions& options) {
  std::optional<std::filesystem::path> given;
  if (auto text = options.value("data")) given = *text;
  std::error_code error;
  std::filesystem::path current = std::filesystem::current_path(error);
  if (error) current = ".";
  return ResolveDataDirectory(given, current, ProgramDirectory());
}

}  // namespace velora::cli
