#pragma once

#include <string>
#include <string_view>

namespace velora {

// Number of characters (code points) in UTF-8 text.
std::size_t CharacterCount(std::string_view utf8);

// Pads with blanks on the right (left) to at least `width` characters.
std::string PadRight(std::string_view utf8, std::size_t width);
std::string PadLeft(std::string_view utf8, std::size_t width);

}  // namespace velora
