#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velora {

// The text view saved as rich text: one paragraph per line in a fixed-pitch font, Cyrillic kept
// (Windows-1251 escapes, with Unicode escapes for anything outside that code page), so that word
// processors read it back with the alignment by blanks intact.
std::string RichTextFromLines(const std::vector<std::string>& utf8Lines);

// The plain lines of a rich-text document (paragraphs and line breaks end lines; groups such as
// the font table are skipped; \'hh escapes are read as Windows-1251 and \uN as Unicode).
std::vector<std::string> LinesFromRichText(std::string_view rtf);

// Whether a file's content is rich text (it starts with "{\rtf").
bool LooksLikeRichText(std::string_view content);

}  // namespace velora
