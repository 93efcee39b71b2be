#include "charts/ChartDatabase.h"

#include <unistd.h>

#include <cstdio>
#include <system_error>

#include "common/CaseInsensitivePath.h"
#include "common/Cp1251.h"
#include "common/FileReplace.h"
#include "common/TextLines.h"
#include "common/UserError.h"

namespace velora {
namespace {

constexpr const char* kDatabaseName = "Basa.TXT";

bool CanWriteInto(const std::filesystem::path& folder) {
  return ::access(folder.c_str(), W_OK) == 0;
}

void SeedFrom(const std::filesystem::path& seed, const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(seed, error)) return;
  std::filesystem::create_directories(file.parent_path(), error);
  if (!std::filesystem::copy_file(seed, file, error) || error) {
    throw UserError("Не удаётся создать файл базы данных «" + file.string() + "» из «" +
                    seed.string() + "»");
  }
}

}  // namespace

std::optional<std::string> ChartDatabase::Load() {
  std::error_code error;
  // Saves interrupted by a crash or a power loss leave their temporary files behind.
  RemoveStaleReplacements(file_);
  if (!std::filesystem::exists(file_, error) && seed_) SeedFrom(*seed_, file_);
  if (!std::filesystem::exists(file_, error)) {
    lines_.clear();
    return "Файл базы данных " + file_.string() +
           " не найден: список пуст, файл будет создан при первом сохранении.";
  }
  std::vector<std::string> lines = ReadTextFileLines(file_, EmptyText::kNoLines);
  for (std::string& line : lines) line = Cp1251ToUtf8(line);
  lines_ = std::move(lines);
  return std::nullopt;
}

void ChartDatabase::Save() const {
  std::vector<std::string> encoded;
  encoded.reserve(lines_.size());
  for (const std::string& line : lines_) encoded.push_back(Utf8ToCp1251(line));
  WriteTextFileLines(file_, encoded);
}

void ChartDatabase::Remove(int index) {
  if (index < 0 || index >= static_cast<int>(lines_.size())) return;
  lines_.erase(lines_.begin() + index);
}

DatabaseLocation ResolveDatabaseLocation(const std::filesystem::path& dataDirectory,
                                         const std::filesystem::path& userDataDirectory) {
  const std::filesystem::path bundledFolder =
      FindPathIgnoringCase(dataDirectory, "Dann").value_or(dataDirectory / "Dann");
  const std::filesystem::path bundled =
      FindPathIgnoringCase(bundledFolder, kDatabaseName).value_or(bundledFolder / kDatabaseName);
  if (CanWriteInto(bundledFolder)) return {bundled, std::nullopt};
  return {userDataDirectory / "Dann" / kDatabaseName, bundled};
}

}  // namespace velora
