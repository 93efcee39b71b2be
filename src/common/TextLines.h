#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace velora {

// What an empty text (zero bytes) reads as.
enum class EmptyText {
  kNoLines,       // no line at all
  kOneEmptyLine,  // one empty line, as a reader that always reads a first line sees it
};

// Splits text into lines without their line ends. CR LF, LF and a lone CR each end a line; a line
// end at the very end of the text does not start another (empty) line. The bytes are kept as they
// are, whatever their encoding.
std::vector<std::string> SplitTextLines(std::string_view text, EmptyText empty);

// The lines of a text file (raw bytes, Windows-1251 for the data files). Throws UserError naming
// the file when it cannot be opened or read.
std::vector<std::string> ReadTextFileLines(const std::filesystem::path& path, EmptyText empty);

// Every line followed by CR LF: the on-disk form of the data files.
std::string JoinCrLfLines(const std::vector<std::string>& lines);

// Writes the lines with CR LF through a temporary file renamed over the target (never in place).
void WriteTextFileLines(const std::filesystem::path& path, const std::vector<std::string>& lines);

}  // namespace velora
