#pragma once

#include <string>
#include <string_view>

namespace velora {

// Appends the UTF-8 form of one code point.
void AppendUtf8(std::string& out, char32_t codePoint);

// Decodes the character that starts at `offset` and moves `offset` past it. Throws UserError
// naming the byte when the text is not well-formed UTF-8.
char32_t NextCodePoint(std::string_view utf8, std::size_t& offset);

// Number of characters (code points) in UTF-8 text.
std::size_t CharacterCount(std::string_view utf8);

// Pads with blanks on the right (left) to at least `width` characters.
std::string PadRight(std::string_view utf8, std::size_t width);
std::string PadLeft(std::string_view utf8, std::size_t width);

}  // namespace velora
