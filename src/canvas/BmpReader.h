#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "canvas/GlyphPicture.h"

namespace velora {

// Decodes a Windows bitmap file held in memory: uncompressed 1, 4, 8, 24 or 32 bits per pixel
// (32 also with bit-field masks), rows stored bottom-up or top-down. White becomes transparent.
// Returns nothing when the bytes are not such a bitmap.
std::optional<GlyphPicture> DecodeBmp(const std::vector<std::uint8_t>& fileBytes);

struct BmpSize {
  int widthPixels = 0;
  int heightPixels = 0;
};

// The size a bitmap's header declares, read without decoding; nothing when DecodeBmp would not
// take the header.
std::optional<BmpSize> BmpSizeOf(const std::vector<std::uint8_t>& fileBytes);

}  // namespace velora
