#include "common/Utf8Text.h"

namespace velora {

std::size_t CharacterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (unsigned char c : utf8) {
    if ((c & 0xC0) != 0x80) ++count;
  }
  return count;
}

std::string PadRight(std::string_view utf8, std::size_t width) {
  std::string result(utf8);
  for (std::size_t n = CharacterCount(utf8); n < width; ++n) result += ' ';
  return result;
}

std::string PadLeft(std::string_view utf8, std::size_t width) {
  const std::size_t count = CharacterCount(utf8);
  std::string result(count < width ? width - count : 0, ' ');
  result += utf8;
  return result;
}

}  // namespace velora
