#include "common/TextLines.h"

#include "common/FileBytes.h"

namespace velora {

std::vector<std::string> SplitTextLines(std::string_view text, EmptyText empty) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    start = end + (crLf ? 2 : 1);
  }
  if (text.empty() && empty == EmptyText::kOneEmptyLine) lines.emplace_back();
  return lines;
}

std::vector<std::string> ReadTextFileLines(const std::filesystem::path& path, EmptyText empty) {
  return SplitTextLines(ReadFileBytes(path), empty);
}

std::string JoinCrLfLines(const std::vector<std::string>& lines) {
  std::size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 2;
  std::string text;
  text.reserve(size);
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

void WriteTextFileLines(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  WriteFileAtomically(path, JoinCrLfLines(lines));
}

}  // namespace velora
