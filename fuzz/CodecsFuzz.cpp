// Windows-1251 and UTF-8: every Windows-1251 text survives the way to UTF-8 and back, and UTF-8
// input is either refused with UserError or converted back to the same text.

#include "FuzzSupport.h"
#include "common/Cp1251.h"
#include "common/UserError.h"
#include "common/Utf8Text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velora;
  const std::string_view bytes = fuzz::Text(data, size);
  const std::string utf8 = Cp1251ToUtf8(bytes);
  fuzz::Require(Utf8ToCp1251(utf8) == bytes, "Windows-1251 round trip");
  try {
    const std::string cp1251 = Utf8ToCp1251(bytes);
    fuzz::Require(Cp1251ToUtf8(cp1251) == bytes, "UTF-8 round trip");
  } catch (const UserError&) {
  }
  try {
    std::size_t characters = 0;
    for (std::size_t offset = 0; offset < bytes.size(); ++characters) NextCodePoint(bytes, offset);
    fuzz::Require(CharacterCount(bytes) == characters, "character count");
  } catch (const UserError&) {
  }
  return 0;
}
