// The bitmap reader: any bytes give a picture of the size the header declares, or nothing.

#include <vector>

#include "FuzzSupport.h"
#include "canvas/BmpReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velora;
  const std::vector<std::uint8_t> bytes(data, data + size);
  const std::optional<BmpSize> declared = BmpSizeOf(bytes);
  const std::optional<GlyphPicture> picture = DecodeBmp(bytes);
  if (!picture) return 0;
  fuzz::Require(declared.has_value(), "a picture without a header");
  fuzz::Require(picture->widthPixels == declared->widthPixels &&
                    picture->heightPixels == declared->heightPixels,
                "a picture of another size than declared");
  fuzz::Require(picture->argbPixels.size() == static_cast<std::size_t>(picture->widthPixels) *
                                                  static_cast<std::size_t>(picture->heightPixels),
                "pixel count");
  return 0;
}
