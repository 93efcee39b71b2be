#pragma once

namespace velora {

// The alphabet of the text-library cipher: 225 Windows-1251 codes, indexed 1..225. Index 1 is the
// tab (code 9) and index i for 2 <= i <= 225 is code i + 30, from the blank (32) to code 255.
// The codes 0..8 and 10..31 are outside it.
inline constexpr int kAlphabetSize = 225;
inline constexpr int kTabIndex = 1;
inline constexpr int kBlankIndex = 2;

// The code at alphabet index 1..225.
constexpr unsigned char InterpretationAlphabet(int index) {
  return static_cast<unsigned char>(index == kTabIndex ? 9 : index + 30);
}

// The alphabet index 1..225 of a code, or 0 for a code outside the alphabet.
constexpr int AlphabetIndex(unsigned char code) {
  if (code == 9) return kTabIndex;
  return code >= 32 ? code - 30 : 0;
}

// Walks the alphabet indexes of a string, position by position. A code outside the alphabet takes
// the index of the character before it (as that one was read), and the blank's at the first
// position, so every position has an index in 1..225.
class AlphabetIndexWalk {
 public:
  int Next(unsigned char code) {
    const int index = AlphabetIndex(code);
    if (index != 0) previous_ = index;
    return previous_;
  }

 private:
  int previous_ = kBlankIndex;
};

}  // namespace velora
