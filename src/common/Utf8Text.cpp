#include "common/Utf8Text.h"

#include "common/UserError.h"

namespace velora {
namespace {

[[noreturn]] void ThrowMalformed(std::size_t offset) {
  throw UserError("Неверная запись UTF-8 (байт " + std::to_string(offset + 1) + ")");
}

std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

bool IsValidScalar(char32_t codePoint, std::size_t length) {
  static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (codePoint < kSmallest[length] || codePoint > 0x10FFFF) return false;
  return codePoint < 0xD800 || codePoint > 0xDFFF;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t codePoint) {
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (codePoint >> 18));
    out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

char32_t NextCodePoint(std::string_view utf8, std::size_t& offset) {
  const auto lead = static_cast<unsigned char>(utf8[offset]);
  const std::size_t length = SequenceLength(lead);
  if (length == 0 || offset + length > utf8.size()) ThrowMalformed(offset);
  if (length == 1) return utf8[offset++];
  char32_t codePoint = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(utf8[offset + i]);
    if ((next & 0xC0) != 0x80) ThrowMalformed(offset);
    codePoint = (codePoint << 6) | (next & 0x3F);
  }
  if (!IsValidScalar(codePoint, length)) ThrowMalformed(offset);
  offset += length;
  return codePoint;
}

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
