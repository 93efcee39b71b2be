#include "interpretation/EntryFileLayout.h"

#include "interpretation/CipherKeys.h"

namespace velora {

EntryFileLayout LayoutOf(LibraryGroup group) {
  using enum HeadingTreatment;
  switch (group) {
    case LibraryGroup::kRadixAdult:
      return {&RadixCipherKey(), kAmpersandMarker, kBlankFirstCharacter};
    case LibraryGroup::kRadixChild:
      return {nullptr, kAmpersandMarker, kBlankFirstCharacter};
    case LibraryGroup::kReturns:
      return {&ReturnsCipherKey(), kAmpersandMarker, kBlankFirstCharacter};
    case LibraryGroup::kTransit:
      return {&TransitCipherKey(), kBracketMarker, kBlankLine};
    case LibraryGroup::kDirections:
      return {&DirectionsCipherKey(), kBracketMarker, kBlankLine};
    case LibraryGroup::kSynastry:
      return {nullptr, kBracketMarker, kBehindTwoBrackets};
  }
  return {};
}

}  // namespace velora
