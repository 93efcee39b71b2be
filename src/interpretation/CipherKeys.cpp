#include "interpretation/CipherKeys.h"

namespace velora {

const CipherKey& RadixCipherKey() {
  static const CipherKey key = CipherKey::FromUtf8(kRadixKeyText);
  return key;
}

const CipherKey& ReturnsCipherKey() {
  static const CipherKey key = CipherKey::FromUtf8(kReturnsKeyText);
  return key;
}

const CipherKey& TransitCipherKey() {
  static const CipherKey key = CipherKey::FromUtf8(kTransitKeyText);
  return key;
}

const CipherKey& DirectionsCipherKey() {
  static const CipherKey key = CipherKey::FromUtf8(kDirectionsKeyText);
  return key;
}

}  // namespace velora
