#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "interpretation/RadixEntryItems.h"

namespace velora {

// What a check of one library file found.
struct LibraryFileReport {
  std::string fileName;
  bool missing = false;
  std::size_t headingCount = 0;
  std::size_t combinationCount = 0;
  std::vector<std::string> malformedLines;     // "строка N: why"
  std::vector<std::string> unansweredKeys;     // key combinations no heading answers
  std::vector<std::string> ambiguousHeadings;  // headings that several combinations take

  bool complete() const {
    return !missing && malformedLines.empty() && unansweredKeys.empty() &&
           ambiguousHeadings.empty();
  }
};

// Reads one library file as the composers do and checks it against every key combination they
// can ask of it. Headings are compared after deciphering; keys are UTF-8.
LibraryFileReport CheckLibraryFile(const std::filesystem::path& dataDirectory,
                                   const LibraryFileKeys& file);

}  // namespace velora
