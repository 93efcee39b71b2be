#include "canvas/BmpReader.h"

#include <cstdlib>

namespace velora {
namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;
constexpr std::uint32_t kWhiteRgb = 0x00FFFFFFu;
constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kCoreHeaderBytes = 12;
constexpr std::size_t kInfoHeaderBytes = 40;
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kBitFields = 3;
constexpr int kLargestSide = 1 << 14;

class ByteReader {
 public:
  explicit ByteReader(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
  bool has(std::size_t offset, std::size_t count) const {
    return offset <= bytes_.size() && count <= bytes_.size() - offset;
  }
  std::uint32_t u8(std::size_t offset) const { return bytes_[offset]; }
  std::uint32_t u16(std::size_t offset) const { return u8(offset) | (u8(offset + 1) << 8); }
  std::uint32_t u32(std::size_t offset) const { return u16(offset) | (u16(offset + 2) << 16); }
  std::int32_t i32(std::size_t offset) const { return static_cast<std::int32_t>(u32(offset)); }

 private:
  const std::vector<std::uint8_t>& bytes_;
};

struct BitmapLayout {
  int widthPixels = 0;
  int heightPixels = 0;
  bool topDown = false;
  int bitsPerPixel = 0;
  std::uint32_t compression = kUncompressed;
  std::size_t pixelOffset = 0;
  std::size_t paletteOffset = 0;
  std::size_t paletteEntryBytes = 4;
  std::size_t paletteEntries = 0;
  std::uint32_t masks[3] = {0x00FF0000u, 0x0000FF00u, 0x000000FFu};
};

std::uint32_t Transparent(std::uint32_t rgb) {
  return (rgb & kWhiteRgb) == kWhiteRgb ? kWhiteRgb : (kOpaque | (rgb & kWhiteRgb));
}

std::uint32_t ChannelOf(std::uint32_t value, std::uint32_t mask) {
  if (mask == 0) return 0;
  int shift = 0;
  while (((mask >> shift) & 1u) == 0) ++shift;
  const std::uint32_t top = mask >> shift;
  return ((value & mask) >> shift) * 255u / top;
}

bool ReadCoreHeader(const ByteReader& in, BitmapLayout& layout) {
  const std::size_t base = kFileHeaderBytes;
  if (!in.has(base, kCoreHeaderBytes)) return false;
  layout.widthPixels = static_cast<int>(in.u16(base + 4));
  layout.heightPixels = static_cast<int>(in.u16(base + 6));
  layout.bitsPerPixel = static_cast<int>(in.u16(base + 10));
  layout.paletteEntryBytes = 3;
  layout.paletteOffset = base + kCoreHeaderBytes;
  layout.paletteEntries = layout.bitsPerPixel <= 8 ? (1u << layout.bitsPerPixel) : 0;
  return true;
}

bool ReadInfoHeader(const ByteReader& in, std::size_t headerBytes, BitmapLayout& layout) {
  const std::size_t base = kFileHeaderBytes;
  if (headerBytes < kInfoHeaderBytes || !in.has(base, kInfoHeaderBytes)) return false;
  layout.widthPixels = in.i32(base + 4);
  const std::int32_t height = in.i32(base + 8);
  layout.topDown = height < 0;
  layout.heightPixels = static_cast<int>(height < 0 ? -static_cast<std::int64_t>(height) : height);
  layout.bitsPerPixel = static_cast<int>(in.u16(base + 14));
  layout.compression = in.u32(base + 16);
  const std::uint32_t coloursUsed = in.u32(base + 32);
  layout.paletteOffset = base + headerBytes;
  if (layout.compression == kBitFields) {
    const bool masksInHeader = headerBytes >= 52;
    const std::size_t maskOffset = masksInHeader ? base + 40 : base + headerBytes;
    if (!in.has(maskOffset, 12)) return false;
    for (int channel = 0; channel < 3; ++channel) {
      layout.masks[channel] = in.u32(maskOffset + 4 * static_cast<std::size_t>(channel));
    }
    if (!masksInHeader) layout.paletteOffset += 12;
  }
  if (layout.bitsPerPixel <= 8) {
    const std::size_t fullPalette = std::size_t{1} << layout.bitsPerPixel;
    layout.paletteEntries =
        coloursUsed != 0 && coloursUsed < fullPalette ? coloursUsed : fullPalette;
  }
  return true;
}

bool ReadLayout(const ByteReader& in, BitmapLayout& layout) {
  if (!in.has(0, kFileHeaderBytes + 4) || in.u8(0) != 'B' || in.u8(1) != 'M') return false;
  layout.pixelOffset = in.u32(10);
  const std::size_t headerBytes = in.u32(kFileHeaderBytes);
  const bool read = headerBytes == kCoreHeaderBytes ? ReadCoreHeader(in, layout)
                                                    : ReadInfoHeader(in, headerBytes, layout);
  if (!read) return false;
  const int bits = layout.bitsPerPixel;
  const bool knownDepth = bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
  const bool knownCompression =
      layout.compression == kUncompressed || (layout.compression == kBitFields && bits == 32);
  return knownDepth && knownCompression && layout.widthPixels > 0 && layout.heightPixels > 0 &&
         layout.widthPixels <= kLargestSide && layout.heightPixels <= kLargestSide;
}

std::size_t RowBytes(const BitmapLayout& layout) {
  const std::size_t bits =
      static_cast<std::size_t>(layout.widthPixels) * static_cast<std::size_t>(layout.bitsPerPixel);
  return (bits + 31) / 32 * 4;
}

std::uint32_t PaletteColour(const ByteReader& in, const BitmapLayout& layout, std::uint32_t index) {
  if (index >= layout.paletteEntries) return 0;
  const std::size_t at = layout.paletteOffset + index * layout.paletteEntryBytes;
  if (!in.has(at, 3)) return 0;
  return (in.u8(at + 2) << 16) | (in.u8(at + 1) << 8) | in.u8(at);
}

std::uint32_t PixelRgb(const ByteReader& in, const BitmapLayout& layout, std::size_t rowStart,
                       int x) {
  const auto column = static_cast<std::size_t>(x);
  switch (layout.bitsPerPixel) {
    case 24: {
      const std::size_t at = rowStart + column * 3;
      return (in.u8(at + 2) << 16) | (in.u8(at + 1) << 8) | in.u8(at);
    }
    case 32: {
      const std::uint32_t value = in.u32(rowStart + column * 4);
      return (ChannelOf(value, layout.masks[0]) << 16) | (ChannelOf(value, layout.masks[1]) << 8) |
             ChannelOf(value, layout.masks[2]);
    }
    default: {
      const auto bits = static_cast<std::size_t>(layout.bitsPerPixel);
      const std::size_t bitOffset = column * bits;
      const std::uint32_t byte = in.u8(rowStart + bitOffset / 8);
      const auto shift = static_cast<std::uint32_t>(8 - bits - bitOffset % 8);
      const std::uint32_t index = (byte >> shift) & ((1u << bits) - 1u);
      return PaletteColour(in, layout, index);
    }
  }
}

}  // namespace

std::optional<BmpSize> BmpSizeOf(const std::vector<std::uint8_t>& fileBytes) {
  const ByteReader in(fileBytes);
  BitmapLayout layout;
  if (!ReadLayout(in, layout)) return std::nullopt;
  return BmpSize{layout.widthPixels, layout.heightPixels};
}

std::optional<GlyphPicture> DecodeBmp(const std::vector<std::uint8_t>& fileBytes) {
  const ByteReader in(fileBytes);
  BitmapLayout layout;
  if (!ReadLayout(in, layout)) return std::nullopt;
  const std::size_t rowBytes = RowBytes(layout);
  const auto rows = static_cast<std::size_t>(layout.heightPixels);
  if (!in.has(layout.pixelOffset, rowBytes * rows)) return std::nullopt;

  GlyphPicture picture;
  picture.widthPixels = layout.widthPixels;
  picture.heightPixels = layout.heightPixels;
  picture.argbPixels.reserve(rows * static_cast<std::size_t>(layout.widthPixels));
  for (int y = 0; y < layout.heightPixels; ++y) {
    const auto storedRow =
        static_cast<std::size_t>(layout.topDown ? y : layout.heightPixels - 1 - y);
    const std::size_t rowStart = layout.pixelOffset + storedRow * rowBytes;
    for (int x = 0; x < layout.widthPixels; ++x) {
      picture.argbPixels.push_back(Transparent(PixelRgb(in, layout, rowStart, x)));
    }
  }
  return picture;
}

}  // namespace velora
