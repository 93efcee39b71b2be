#include "charts/ChartDatabase.h"

#include <cstdio>
#include <system_error>

#include "common/CaseInsensitivePath.h"
#include "common/Cp1251.h"
#include "common/TextLines.h"

namespace velora {
namespace {

constexpr const char* kDatabaseName = "Basa.TXT";

bool CanWriteInto(const std::filesystem::path& folder) {
  std::error_code error;
  const std::filesystem::path probe = folder / ".velora-write-probe";
  {
    std::FILE* file = std::fopen(probe.c_str(), "wb");
    if (file == nullptr) return false;
    std::fclose(file);
  }
  std::filesystem::remove(probe, error);
  return true;
}

}  // namespace

std::optional<std::string> ChartDatabase::Load() {
  std::error_code error;
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

std::filesystem::path ResolveDatabaseFile(const std::filesystem::path& dataDirectory,
                                          const std::filesystem::path& userDataDirectory) {
  const std::filesystem::path bundledFolder = dataDirectory / "Dann";
  const std::filesystem::path bundled =
      FindPathIgnoringCase(dataDirectory, std::filesystem::path("Dann") / kDatabaseName)
          .value_or(bundledFolder / kDatabaseName);
  if (CanWriteInto(bundledFolder)) return bundled;

  std::error_code error;
  const std::filesystem::path userFolder = userDataDirectory / "Dann";
  std::filesystem::create_directories(userFolder, error);
  const std::filesystem::path own = userFolder / kDatabaseName;
  if (!std::filesystem::exists(own, error) && std::filesystem::exists(bundled, error)) {
    std::filesystem::copy_file(bundled, own, error);
  }
  return own;
}

}  // namespace velora
