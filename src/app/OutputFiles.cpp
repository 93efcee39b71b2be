#include "app/OutputFiles.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "app/RichText.h"
#include "common/CaseInsensitivePath.h"
#include "common/Cp1251.h"
#include "common/FileBytes.h"
#include "common/TextLines.h"
#include "common/UserError.h"

namespace velora {
namespace {

constexpr const char* kRichTextExtension = ".rtf";
constexpr const char* kPictureExtension = ".bmp";

bool EndsWithIgnoringCase(std::string_view text, std::string_view ending) {
  if (text.size() < ending.size()) return false;
  const std::string_view tail = text.substr(text.size() - ending.size());
  return std::equal(tail.begin(), tail.end(), ending.begin(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
  });
}

std::string WithExtension(const std::string& name, std::string_view extension) {
  return EndsWithIgnoringCase(name, extension) ? name : name + std::string(extension);
}

std::string WithoutKnownExtension(const std::string& name) {
  for (std::string_view extension : {kRichTextExtension, kPictureExtension}) {
    if (EndsWithIgnoringCase(name, extension))
      return name.substr(0, name.size() - extension.size());
  }
  return name;
}

}  // namespace

SaveProposal ProposeSaveName(const MainViewState& view) {
  if (view.pictureVisible) return {"Karta.bmp", 2};
  if (view.textVisible) return {"Shriebe.rtf", 1};
  return {"Noname.rtf", 1};
}

SaveTargets SaveTargetsFor(const std::string& chosenName, bool textVisible, bool pictureVisible) {
  SaveTargets targets;
  const std::string stem =
      textVisible && pictureVisible ? WithoutKnownExtension(chosenName) : chosenName;
  if (textVisible) targets.richTextFile = WithExtension(stem, kRichTextExtension);
  if (pictureVisible) targets.pictureFile = WithExtension(stem, kPictureExtension);
  return targets;
}

void SaveTextAsRichText(const std::vector<std::string>& utf8Lines,
                        const std::filesystem::path& file) {
  WriteFileAtomically(file, RichTextFromLines(utf8Lines));
}

std::vector<std::string> ReadReferenceText(const std::filesystem::path& dataDirectory,
                                           std::string_view fileName) {
  const std::filesystem::path relative = std::filesystem::path("Dann") / std::string(fileName);
  const std::optional<std::filesystem::path> file = FindPathIgnoringCase(dataDirectory, relative);
  if (!file) {
    throw UserError("Не найден файл " + PathAsSpelled(dataDirectory, relative).string() + ".");
  }
  const std::string bytes = ReadFileBytes(*file);
  if (LooksLikeRichText(bytes)) return LinesFromRichText(bytes);
  std::vector<std::string> lines = SplitTextLines(bytes, EmptyText::kOneEmptyLine);
  for (std::string& line : lines) line = Cp1251ToUtf8(line);
  return lines;
}

void ShowReferenceText(Workspace& workspace, MainViewState& view, std::string_view fileName) {
  view.pictureVisible = false;
  view.aboutVisible = false;
  view.interpretationVisible = false;
  view.textLines = ReadReferenceText(workspace.resources.dataDirectory, fileName);
  ++view.textRevision;
  view.textVisible = true;
}

std::optional<std::filesystem::path> FindHelpPage(const std::filesystem::path& currentDirectory,
                                                  const std::filesystem::path& dataDirectory) {
  const std::filesystem::path relative = std::filesystem::path("Dann") / "Help" / "Help.htm";
  if (auto page = FindPathIgnoringCase(currentDirectory, relative)) return page;
  return FindPathIgnoringCase(dataDirectory, relative);
}

void DeleteActivationFile(const std::filesystem::path& directory) {
  std::error_code ignored;
  std::filesystem::remove(directory / kActivationFileName, ignored);
}

}  // namespace velora
