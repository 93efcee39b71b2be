#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/MainViewState.h"
#include "workspace/Workspace.h"

namespace velora {

// The name and filter (1 rich text, 2 bitmap, 3 all files) the save dialog proposes: "Karta.bmp"
// when the picture is visible, else "Shriebe.rtf" when the text view is, else "Noname.rtf".
struct SaveProposal {
  std::string fileName;
  int filterIndex = 1;
};
SaveProposal ProposeSaveName(const MainViewState& view);

// The files one confirmed name gives: the text view as ".rtf" when it is visible, the picture as
// ".bmp" when it is. The extension is appended only when the name does not already end with it
// (in any case); when both views are visible, a name ending in either extension loses it first
// so the two files share their stem.
struct SaveTargets {
  std::optional<std::filesystem::path> richTextFile;
  std::optional<std::filesystem::path> pictureFile;
};
SaveTargets SaveTargetsFor(const std::string& chosenName, bool textVisible, bool pictureVisible);

// Writes the lines as rich text through a temporary file; throws UserError naming the file.
void SaveTextAsRichText(const std::vector<std::string>& utf8Lines,
                        const std::filesystem::path& file);

// The lines of a reference text of the data folder ("Times.TXT", "Gorod.TXT"): Windows-1251 text
// decoded, or the plain lines of a rich-text file. Throws UserError naming the file when it is
// missing or unreadable.
std::vector<std::string> ReadReferenceText(const std::filesystem::path& dataDirectory,
                                           std::string_view fileName);

// "Время" and "Координаты": picture, about box and "Интерпретация" hidden, then the text view
// filled with the file and shown. A missing file ends the command with the text view as it was
// and not shown.
void ShowReferenceText(Workspace& workspace, MainViewState& view, std::string_view fileName);

// The help page: Dann/Help/Help.htm under the current folder, else under the data folder.
std::optional<std::filesystem::path> FindHelpPage(const std::filesystem::path& currentDirectory,
                                                  const std::filesystem::path& dataDirectory);

// The file the main window deletes whenever it becomes active. Only this program creates a file
// of this name, so nothing of the user's is ever touched.
inline constexpr const char* kActivationFileName = "velora-activation.tmp";

// Deletes the activation file from `directory`; absence or failure is ignored.
void DeleteActivationFile(const std::filesystem::path& directory);

}  // namespace velora
