#include "cli/TextlibCheck.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iostream>

#include "app/DataDirectory.h"
#include "cli/CommandLine.h"
#include "interpretation/DirectionsComposer.h"
#include "interpretation/LibraryCheck.h"
#include "interpretation/ReturnComposer.h"
#include "interpretation/TransitComposer.h"

namespace velora::cli {
namespace {

// How many examples of one kind of problem are printed per file.
constexpr std::size_t kShownPerKind = 12;

std::filesystem::path DataDirectoryOfFolder(const std::filesystem::path& folder) {
  if (HoldsDataFolder(folder)) return folder;
  std::string name = folder.filename().string();
  if (name.empty()) name = folder.parent_path().filename().string();
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (name == "dann") return std::filesystem::absolute(folder).lexically_normal().parent_path();
  throw UsageError("в папке «" + folder.string() + "» нет папки Dann");
}

void PrintSome(const char* heading, const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  std::cout << "    " << heading << " (" << lines.size() << "):\n";
  for (std::size_t n = 0; n < lines.size() && n < kShownPerKind; ++n) {
    std::cout << "      " << lines[n] << '\n';
  }
  if (lines.size() > kShownPerKind) {
    std::cout << "      … и ещё " << lines.size() - kShownPerKind << '\n';
  }
}

void PrintReport(const LibraryFileReport& report) {
  std::cout << report.fileName << ": ";
  if (report.missing) {
    std::cout << "файла нет\n";
    return;
  }
  std::cout << (report.complete() ? "полон" : "неполон") << " (" << report.combinationCount
            << " сочетаний ключей, " << report.headingCount << " заголовков)\n";
  PrintSome("испорченные строки", report.malformedLines);
  PrintSome("сочетания без заголовка", report.unansweredKeys);
  PrintSome("заголовки, подходящие к нескольким сочетаниям", report.ambiguousHeadings);
}

}  // namespace

int RunTextlibCheck(const std::vector<std::string>& arguments) {
  const ParsedOptions options(arguments, {}, {});
  if (options.positional().size() != 1) throw UsageError("укажите одну папку: textlib check ПАПКА");
  const std::filesystem::path dataDirectory = DataDirectoryOfFolder(options.positional().front());

  struct Group {
    const char* name;
    std::vector<LibraryFileKeys> files;
  };
  const Group groups[] = {
      {"радикс", RadixLibraryKeys()},
      {"транзиты",
       {{std::string(kClassicTransitFile), LibraryGroup::kTransit, TransitLibraryItems(), true},
        {std::string(kMedicalTransitFile), LibraryGroup::kTransit, TransitLibraryItems(), true}}},
      {"соляры", ReturnLibraryKeys(ReturnKind::kSolar)},
      {"лунары", ReturnLibraryKeys(ReturnKind::kLunar)},
      {"дирекции",
       {{std::string(kDirectionsFile), LibraryGroup::kDirections, DirectionsLibraryItems(), true}}},
  };
  bool allComplete = true;
  for (const Group& group : groups) {
    bool complete = true;
    for (const LibraryFileKeys& file : group.files) {
      const LibraryFileReport report = CheckLibraryFile(dataDirectory, file);
      PrintReport(report);
      complete = complete && report.complete();
    }
    std::cout << "Группа «" << group.name << "» " << (complete ? "полна" : "неполна") << ".\n";
    allComplete = allComplete && complete;
  }
  return allComplete ? kExitSuccess : kExitFailure;
}

}  // namespace velora::cli
