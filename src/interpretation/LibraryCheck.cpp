#include "interpretation/LibraryCheck.h"

#include <system_error>

#include "common/Cp1251.h"
#include "common/TextLines.h"
#include "interpretation/InterpretationAlphabet.h"
#include "interpretation/LibraryFilePath.h"
#include "interpretation/LineCipher.h"

namespace velora {
namespace {

std::string JoinKeys(const EntryItem& item) {
  std::string text;
  for (const std::string& key : item.keys) {
    if (!text.empty()) text += " + ";
    text += "«" + key + "»";
  }
  return text;
}

bool Answers(const std::string& heading, char marker, const EntryItem& item) {
  if (heading.find(marker) == std::string::npos) return false;
  for (const std::string& key : item.keys) {
    if (key.empty() || heading.find(key) == std::string::npos) return false;
  }
  return true;
}

std::string CodesOutsideAlphabet(std::string_view cp1251) {
  for (unsigned char code : cp1251) {
    if (AlphabetIndex(code) == 0) return "знак с кодом " + std::to_string(code) + " вне алфавита";
  }
  return {};
}

// The lines of the file after deciphering, in UTF-8; reports lines the cipher cannot read.
std::vector<std::string> ReadLibraryLines(const std::filesystem::path& path,
                                          const EntryFileLayout& layout,
                                          LibraryFileReport& report) {
  std::vector<std::string> lines = ReadTextFileLines(path, EmptyText::kOneEmptyLine);
  for (std::size_t n = 0; n < lines.size(); ++n) {
    if (std::string why = CodesOutsideAlphabet(lines[n]); !why.empty()) {
      report.malformedLines.push_back("строка " + std::to_string(n + 1) + ": " + why);
    }
    if (layout.cipherKey != nullptr) lines[n] = DecipherLine(lines[n], *layout.cipherKey);
    lines[n] = Cp1251ToUtf8(lines[n]);
  }
  return lines;
}

}  // namespace

LibraryFileReport CheckLibraryFile(const std::filesystem::path& dataDirectory,
                                   const LibraryFileKeys& file) {
  LibraryFileReport report;
  report.fileName = file.fileName;
  report.combinationCount = file.items.size();
  const std::filesystem::path path = LibraryFilePath(dataDirectory, file.fileName);
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    report.missing = true;
    return report;
  }
  const EntryFileLayout layout = LayoutOf(file.group);
  const std::vector<std::string> lines = ReadLibraryLines(path, layout, report);

  std::vector<int> answeredBy(file.items.size(), 0);
  std::vector<std::size_t> firstHeadingLine(file.items.size(), 0);
  // The last line is never tested as a heading, so it answers nothing.
  for (std::size_t n = 0; n + 1 < lines.size(); ++n) {
    if (lines[n].find(layout.marker) == std::string::npos) continue;
    ++report.headingCount;
    std::vector<std::size_t> takers;
    for (std::size_t i = 0; i < file.items.size(); ++i) {
      if (Answers(lines[n], layout.marker, file.items[i])) takers.push_back(i);
    }
    // A heading every combination takes is an introduction, shown for every chart.
    if (file.headingsServeSeveral && takers.size() == file.items.size() && takers.size() > 1) {
      continue;
    }
    for (std::size_t i : takers) {
      if (answeredBy[i]++ == 0) {
        firstHeadingLine[i] = n + 1;
      } else if (file.headingsServeSeveral) {
        report.ambiguousHeadings.push_back("строка " + std::to_string(n + 1) + " «" + lines[n] +
                                           "»: сочетание " + JoinKeys(file.items[i]) +
                                           " уже нашло заголовок в строке " +
                                           std::to_string(firstHeadingLine[i]));
      }
    }
    if (takers.size() > 1 && !file.headingsServeSeveral) {
      report.ambiguousHeadings.push_back(
          "строка " + std::to_string(n + 1) + " «" + lines[n] + "»: подходит к " +
          std::to_string(takers.size()) + " сочетаниям, например " +
          JoinKeys(file.items[takers[0]]) + " и " + JoinKeys(file.items[takers[1]]));
    }
  }
  if (!lines.empty()) {
    for (const EntryItem& item : file.items) {
      if (Answers(lines.back(), layout.marker, item)) {
        report.malformedLines.push_back("последняя строка — заголовок для " + JoinKeys(item) +
                                        ", а последняя строка файла никогда не проверяется");
        break;
      }
    }
  }
  for (std::size_t i = 0; i < file.items.size(); ++i) {
    if (answeredBy[i] == 0) report.unansweredKeys.push_back(JoinKeys(file.items[i]));
  }
  return report;
}

}  // namespace velora
