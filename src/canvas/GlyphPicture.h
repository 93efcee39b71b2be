#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velora {

// A small picture drawn at a point: pixels as 0xAARRGGBB, row by row from the top. White pixels
// of the source file are fully transparent (alpha 0), every other pixel is opaque.
struct GlyphPicture {
  std::string name;  // the file's base name, for messages and tests
  int widthPixels = 0;
  int heightPixels = 0;
  std::vector<std::uint32_t> argbPixels;

  std::uint32_t pixelAt(int x, int y) const {
    return argbPixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(widthPixels) +
                      static_cast<std::size_t>(x)];
  }
};

}  // namespace velora
