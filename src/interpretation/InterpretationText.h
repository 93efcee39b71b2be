#pragma once

#include <string>
#include <utility>
#include <vector>

namespace velora {

// The interpretation as the text view holds it: whole UTF-8 lines, appended in order. Nothing else
// (font, colour, style) is kept per line; all alignment is done with blanks.
struct InterpretationText {
  std::vector<std::string> lines;

  void Append(std::string line) { lines.push_back(std::move(line)); }
  void Clear() { lines.clear(); }
};

}  // namespace velora
