#pragma once

namespace velora {

class CipherKey;

// What is shown in place of a heading that matched.
enum class HeadingTreatment {
  kBlankFirstCharacter,  // the heading with its first character, whatever it is, made a blank
  kBlankLine,            // not the heading but the line " "
  kBehindTwoBrackets,    // the heading cut through its first "]", then through the next one
};

// How the entries of one library file are stored and shown.
struct EntryFileLayout {
  const CipherKey* cipherKey = nullptr;  // null for a plain file
  char marker = '&';                     // a line containing it is a heading
  HeadingTreatment heading = HeadingTreatment::kBlankFirstCharacter;
};

inline constexpr char kAmpersandMarker = '&';
inline constexpr char kBracketMarker = '[';

// The file groups of the text library.
enum class LibraryGroup {
  kRadixAdult,  // Radix\*.txt: ampersand, radix key
  kRadixChild,  // Radix\Kinder\*.txt: ampersand, plain
  kReturns,     // CO\, LO\: ampersand, returns key
  kTransit,     // Tranzit\: bracket, transit key
  kDirections,  // Direc\: bracket, directions key
  kSynastry,    // Sins\: bracket, plain, headings shown behind their brackets
};

EntryFileLayout LayoutOf(LibraryGroup group);

}  // namespace velora
