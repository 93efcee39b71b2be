#include "interpretation/LineCipher.h"

#include <stdexcept>

#include "common/Cp1251.h"
#include "interpretation/InterpretationAlphabet.h"

namespace velora {
namespace {

// Shifts every alphabet index of `line` by `direction` times the key's index, wrapping in 1..225.
std::string ShiftLine(std::string_view line, const CipherKey& key, int direction) {
  std::string out(line.size(), ' ');
  AlphabetIndexWalk walk;
  for (std::size_t p = 0; p < line.size(); ++p) {
    int index = walk.Next(static_cast<unsigned char>(line[p])) + direction * key.IndexAt(p);
    if (index <= 0) index += kAlphabetSize;
    if (index > kAlphabetSize) index -= kAlphabetSize;
    out[p] = static_cast<char>(InterpretationAlphabet(index));
  }
  return out;
}

}  // namespace

CipherKey::CipherKey(std::string_view cp1251) {
  if (cp1251.empty()) throw std::invalid_argument("empty cipher key");
  indexes_.reserve(cp1251.size());
  AlphabetIndexWalk walk;
  for (char c : cp1251) indexes_.push_back(walk.Next(static_cast<unsigned char>(c)));
}

CipherKey CipherKey::FromUtf8(std::string_view utf8) {
  return CipherKey(Utf8ToCp1251(utf8));
}

std::string DecipherLine(std::string_view line, const CipherKey& key) {
  return ShiftLine(line, key, -1);
}

std::string EncipherLine(std::string_view plain, const CipherKey& key) {
  return ShiftLine(plain, key, +1);
}

}  // namespace velora
