#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velora {

// The one codec between Windows-1251 (the data files) and UTF-8 (the program's text).
//
// Every one of the 256 byte values has a code point: 0x00..0x7F are ASCII, 0x80..0xFF follow the
// Windows-1251 code page, and 0x98, which the code page leaves unassigned, stands for U+0098 (as in
// the WHATWG encoding index). Decoding therefore never fails and encoding its result gives back the
// same bytes, so any file survives a trip through UTF-8 unchanged.

// The UTF-8 text of Windows-1251 bytes.
std::string Cp1251ToUtf8(std::string_view cp1251);

// The Windows-1251 bytes of UTF-8 text. Throws UserError (Russian message) on malformed UTF-8 and
// on a character that has no Windows-1251 code, naming the character; nothing is replaced silently.
std::string Utf8ToCp1251(std::string_view utf8);

// The code point of one Windows-1251 byte, and the byte of a code point when there is one.
char32_t Cp1251CodePoint(unsigned char code);
std::optional<unsigned char> Cp1251Code(char32_t codePoint);

}  // namespace velora
