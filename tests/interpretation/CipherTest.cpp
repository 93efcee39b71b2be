#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "common/Cp1251.h"
#include "interpretation/CipherKeys.h"
#include "interpretation/InterpretationAlphabet.h"
#include "interpretation/LineCipher.h"

namespace velora {
namespace {

std::string Cp(const std::string& utf8) {
  return Utf8ToCp1251(utf8);
}

std::string AllAlphabetCodes() {
  std::string line;
  for (int index = 1; index <= kAlphabetSize; ++index) {
    line += static_cast<char>(InterpretationAlphabet(index));
  }
  return line;
}

TEST(InterpretationAlphabet, HoldsTheTabAndTheCodesFrom32To255) {
  EXPECT_EQ(InterpretationAlphabet(1), 9);
  EXPECT_EQ(InterpretationAlphabet(2), 32);
  EXPECT_EQ(InterpretationAlphabet(225), 255);
  EXPECT_EQ(AlphabetIndex(9), 1);
  EXPECT_EQ(AlphabetIndex(' '), 2);
  EXPECT_EQ(AlphabetIndex(255), 225);
  for (int index = 1; index <= kAlphabetSize; ++index) {
    EXPECT_EQ(AlphabetIndex(InterpretationAlphabet(index)), index);
  }
  for (int code = 0; code < 32; ++code) {
    if (code == 9) continue;
    EXPECT_EQ(AlphabetIndex(static_cast<unsigned char>(code)), 0) << code;
  }
}

TEST(LineCipher, DeciphersWhatItEnciphered) {
  const std::string plain = Cp("&Солнце в Овне\tи «Asc» 1: 12 ");
  const std::string enciphered = EncipherLine(plain, RadixCipherKey());
  EXPECT_NE(enciphered, plain);
  EXPECT_EQ(DecipherLine(enciphered, RadixCipherKey()), plain);
  const std::string all = AllAlphabetCodes();
  for (const CipherKey* key :
       {&RadixCipherKey(), &ReturnsCipherKey(), &TransitCipherKey(), &DirectionsCipherKey()}) {
    EXPECT_EQ(DecipherLine(EncipherLine(all, *key), *key), all);
    EXPECT_EQ(EncipherLine(DecipherLine(all, *key), *key), all);
  }
}

TEST(LineCipher, TurnsACharacterEqualToItsKeyCharacterIntoCode255) {
  const std::string key = Cp("VexКлючик");
  EXPECT_EQ(DecipherLine(key, RadixCipherKey()), std::string(key.size(), '\xFF'));
  EXPECT_EQ(EncipherLine(std::string(key.size(), '\xFF'), RadixCipherKey()), key);
  EXPECT_EQ(DecipherLine("V", CipherKey("V")), "\xFF");
}

TEST(LineCipher, UsesOnlyAsMuchKeyAsTheLineIsLong) {
  const CipherKey longKey(Cp("abcdefghijklmnopqrstuvwxyz"));
  EXPECT_EQ(DecipherLine("XYZ", longKey), DecipherLine("XYZ", CipherKey("abc")));
  EXPECT_EQ(DecipherLine("XYZ", longKey), DecipherLine("XYZ", CipherKey("abcQ")));
}

TEST(LineCipher, RestartsTheKeyAfterItsLength) {
  // With key "ab" positions 1, 3, 5 use "a" and 2, 4 use "b".
  EXPECT_EQ(DecipherLine("XYXYX", CipherKey("ab")), DecipherLine("XYXYX", CipherKey("abababa")));
}

TEST(LineCipher, ShiftsEveryCharacterAlikeWithAOneCharacterKey) {
  const CipherKey key("!");  // index 3
  // '#' index 5 -> 2 (blank), '$' index 6 -> 3 ('!'), blank index 2 -> 224 (code 254).
  EXPECT_EQ(DecipherLine("#$ #$ ", key), " !\xFE !\xFE");
  const std::string all = AllAlphabetCodes();
  const std::string shifted = DecipherLine(all, key);
  for (std::size_t p = 0; p < all.size(); ++p) {
    const int expected =
        (AlphabetIndex(static_cast<unsigned char>(all[p])) - 3 + kAlphabetSize - 1) %
            kAlphabetSize +
        1;
    EXPECT_EQ(AlphabetIndex(static_cast<unsigned char>(shifted[p])), expected) << p;
  }
}

TEST(LineCipher, GivesTheTabIndexOne) {
  EXPECT_EQ(EncipherLine("\t", CipherKey("\t")), " ");    // 1 + 1 = 2
  EXPECT_EQ(DecipherLine(" ", CipherKey("\t")), "\t");    // 2 - 1 = 1
  EXPECT_EQ(DecipherLine("\t", CipherKey(" ")), "\xFE");  // 1 - 2 + 225 = 224, code 254
  EXPECT_EQ(DecipherLine("\t", CipherKey("\t")), "\xFF");
}

TEST(LineCipher, ReadsACodeOutsideTheAlphabetAsTheCharacterBeforeIt) {
  const CipherKey key = RadixCipherKey();
  EXPECT_EQ(DecipherLine("A\x01Z", key), DecipherLine("AAZ", key));
  EXPECT_EQ(DecipherLine("A\x01\x1FZ", key), DecipherLine("AAAZ", key));
  EXPECT_EQ(DecipherLine(std::string("\0Z", 2), key), DecipherLine(" Z", key));
  EXPECT_EQ(EncipherLine("Q\x0BZ", key), EncipherLine("QQZ", key));
  // In the key likewise, and the blank at its first position.
  EXPECT_EQ(DecipherLine("ABCD", CipherKey("k\x05m")), DecipherLine("ABCD", CipherKey("kkm")));
  EXPECT_EQ(DecipherLine("ABCD", CipherKey("\x05m")), DecipherLine("ABCD", CipherKey(" m")));
}

TEST(LineCipher, KeepsTheLengthOfLinesOfAnyLength) {
  EXPECT_EQ(DecipherLine("", RadixCipherKey()), "");
  for (std::size_t length : {255u, 256u, 257u, 1000u}) {
    std::string line;
    for (std::size_t i = 0; i < length; ++i) line += static_cast<char>(32 + i % 224);
    const std::string enciphered = EncipherLine(line, RadixCipherKey());
    EXPECT_EQ(enciphered.size(), length);
    EXPECT_EQ(DecipherLine(enciphered, RadixCipherKey()), line);
  }
  const CipherKey longKey(std::string(600, 'k') + "z");
  const std::string line(700, 'M');
  EXPECT_EQ(DecipherLine(EncipherLine(line, longKey), longKey), line);
}

TEST(LineCipher, NeverWritesALineEnd) {
  const std::string enciphered = EncipherLine(AllAlphabetCodes(), RadixCipherKey());
  EXPECT_EQ(enciphered.find_first_of("\r\n"), std::string::npos);
}

TEST(CipherKey, RefusesAnEmptyKey) {
  EXPECT_THROW(CipherKey(""), std::invalid_argument);
}

TEST(CipherKeys, AreTheGroupKeysInWindows1251) {
  EXPECT_EQ(DecipherLine(Cp("Мирта 04:17"), ReturnsCipherKey()), std::string(11, '\xFF'));
  EXPECT_EQ(DecipherLine("08:26 Valtrop", TransitCipherKey()), std::string(13, '\xFF'));
  EXPECT_EQ(DecipherLine("Mornel 09:42", DirectionsCipherKey()), std::string(12, '\xFF'));
}

}  // namespace
}  // namespace velora
