#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velora {

// A cipher key of the text library: only the alphabet indexes of its characters matter. Codes
// outside the alphabet take the index of the key character before them (the blank's at the first
// position). A key may be of any length but not empty.
class CipherKey {
 public:
  // `cp1251` is the key in Windows-1251; throws std::invalid_argument when it is empty.
  explicit CipherKey(std::string_view cp1251);
  // The same key written in UTF-8 (throws UserError for a character with no Windows-1251 code).
  static CipherKey FromUtf8(std::string_view utf8);

  // The alphabet index (1..225) that enciphers position `position` (0-based) of a line.
  int IndexAt(std::size_t position) const { return indexes_[position % indexes_.size()]; }

 private:
  std::vector<int> indexes_;
};

// Deciphers one line of Windows-1251 codes: every position p takes the alphabet character at
// index(line[p]) - index(key[p mod k]), plus 225 when that is not positive. The result has the
// length of the line; any length is accepted.
std::string DecipherLine(std::string_view line, const CipherKey& key);

// The inverse: index(plain[p]) + index(key[p mod k]), less 225 when above 225.
std::string EncipherLine(std::string_view plain, const CipherKey& key);

}  // namespace velora
