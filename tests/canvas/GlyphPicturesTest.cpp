#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "canvas/BmpReader.h"
#include "canvas/GlyphPictures.h"
#include "common/UserError.h"

namespace velora {
namespace {

void PutU16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
  bytes[at] = static_cast<std::uint8_t>(value & 0xFF);
  bytes[at + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}
void PutU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
  PutU16(bytes, at, value & 0xFFFF);
  PutU16(bytes, at + 2, value >> 16);
}

// A bitmap file of `rows` (top row first, one entry per pixel: 1 = black, 0 = white) written
// with `bits` per pixel, bottom-up unless `topDown`.
std::vector<std::uint8_t> MakeBmp(const std::vector<std::vector<int>>& rows, int bits,
                                  bool topDown) {
  const int height = static_cast<int>(rows.size());
  const int width = static_cast<int>(rows[0].size());
  const std::size_t rowBytes = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
  const std::size_t paletteBytes = bits <= 8 ? (std::size_t{1} << bits) * 4 : 0;
  const std::size_t pixelOffset = 14 + 40 + paletteBytes;
  std::vector<std::uint8_t> bytes(pixelOffset + rowBytes * height, 0);
  bytes[0] = 'B';
  bytes[1] = 'M';
  PutU32(bytes, 2, static_cast<std::uint32_t>(bytes.size()));
  PutU32(bytes, 10, static_cast<std::uint32_t>(pixelOffset));
  PutU32(bytes, 14, 40);
  PutU32(bytes, 18, static_cast<std::uint32_t>(width));
  PutU32(bytes, 22, static_cast<std::uint32_t>(topDown ? -height : height));
  PutU16(bytes, 26, 1);
  PutU16(bytes, 28, static_cast<std::uint32_t>(bits));
  if (bits <= 8) {
    // Palette entry 0 white, entry 1 black, the rest grey.
    for (std::size_t entry = 0; entry < paletteBytes / 4; ++entry) {
      const std::uint8_t level = entry == 0 ? 255 : entry == 1 ? 0 : 128;
      bytes[54 + entry * 4] = bytes[55 + entry * 4] = bytes[56 + entry * 4] = level;
    }
  }
  for (int y = 0; y < height; ++y) {
    const int storedRow = topDown ? y : height - 1 - y;
    const std::size_t rowStart = pixelOffset + static_cast<std::size_t>(storedRow) * rowBytes;
    for (int x = 0; x < width; ++x) {
      const bool black = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] != 0;
      if (bits <= 8) {
        const std::size_t bitOffset = static_cast<std::size_t>(x) * bits;
        const int shift = 8 - bits - static_cast<int>(bitOffset % 8);
        bytes[rowStart + bitOffset / 8] |= static_cast<std::uint8_t>((black ? 1 : 0) << shift);
      } else {
        const std::size_t at = rowStart + static_cast<std::size_t>(x) * (bits / 8);
        for (int channel = 0; channel < 3; ++channel) bytes[at + channel] = black ? 0 : 255;
      }
    }
  }
  return bytes;
}

const std::vector<std::vector<int>> kCorner = {{1, 0, 0}, {0, 0, 0}, {0, 0, 1}, {1, 1, 0}};

constexpr std::uint32_t kOpaqueBlack = 0xFF000000u;

void ExpectCornerPicture(const GlyphPicture& picture) {
  ASSERT_EQ(picture.widthPixels, 3);
  ASSERT_EQ(picture.heightPixels, 4);
  EXPECT_EQ(picture.pixelAt(0, 0), kOpaqueBlack);
  EXPECT_EQ(picture.pixelAt(1, 0) >> 24, 0u);  // white is transparent
  EXPECT_EQ(picture.pixelAt(2, 2), kOpaqueBlack);
  EXPECT_EQ(picture.pixelAt(0, 3), kOpaqueBlack);
  EXPECT_EQ(picture.pixelAt(2, 3) >> 24, 0u);
}

TEST(BmpReader, ReadsEveryDepthBothRowOrders) {
  for (int bits : {1, 4, 8, 24, 32}) {
    for (bool topDown : {false, true}) {
      SCOPED_TRACE(::testing::Message() << bits << " bits, top-down " << topDown);
      const std::optional<GlyphPicture> picture = DecodeBmp(MakeBmp(kCorner, bits, topDown));
      ASSERT_TRUE(picture.has_value());
      ExpectCornerPicture(*picture);
    }
  }
}

TEST(BmpReader, RejectsWhatIsNotABitmap) {
  EXPECT_FALSE(DecodeBmp({}).has_value());
  EXPECT_FALSE(DecodeBmp({'G', 'I', 'F', '8', '9', 'a'}).has_value());
  std::vector<std::uint8_t> truncated = MakeBmp(kCorner, 24, false);
  truncated.resize(truncated.size() - 10);
  EXPECT_FALSE(DecodeBmp(truncated).has_value());
}

class GlyphFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    root = std::filesystem::temp_directory_path() /
           ("velora-glyphs-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root / "Dann");
  }
  void TearDown() override { std::filesystem::remove_all(root); }

  void Write(const std::string& relativePath) const {
    const std::vector<std::uint8_t> bytes = MakeBmp(kCorner, 24, false);
    std::ofstream out(root / relativePath, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
  }
  void WriteAll() const {
    for (int sign = 1; sign <= 12; ++sign)
      Write("Dann/" + std::string(kSignPictureNames[sign]) + ".bmp");
    for (int body = 1; body <= 16; ++body)
      Write("Dann/" + std::string(kBodyPictureNames[body]) + ".bmp");
  }

  std::filesystem::path root;
};

TEST_F(GlyphFolder, LoadsSignsThenBodiesByName) {
  WriteAll();
  const GlyphSet glyphs = LoadGlyphBitmaps(root);
  EXPECT_EQ(glyphs.signs[1].name, "Owen");
  EXPECT_EQ(glyphs.signs[12].name, "Riba");
  EXPECT_EQ(glyphs.bodies[1].name, "Sol");
  EXPECT_EQ(glyphs.bodies[13].name, "Rachu");
  ExpectCornerPicture(glyphs.bodies[16]);
}

TEST_F(GlyphFolder, FindsAFileWhoseNameDiffersOnlyInCase) {
  WriteAll();
  std::filesystem::remove(root / "Dann" / "Sol.bmp");
  Write("Dann/SOL.BMP");
  std::filesystem::rename(root / "Dann", root / "dann");
  const GlyphSet glyphs = LoadGlyphBitmaps(root);
  ExpectCornerPicture(glyphs.bodies[1]);
}

TEST_F(GlyphFolder, MissingFileIsNamedInTheError) {
  WriteAll();
  std::filesystem::remove(root / "Dann" / "Lilit.bmp");
  try {
    LoadGlyphBitmaps(root);
    FAIL() << "no error for a missing picture";
  } catch (const UserError& error) {
    EXPECT_NE(std::string(error.what()).find((root / "Dann" / "Lilit.bmp").string()),
              std::string::npos)
        << error.what();
  }
}

TEST_F(GlyphFolder, FileThatIsNotABitmapIsNamedInTheError) {
  WriteAll();
  std::ofstream(root / "Dann" / "Owen.bmp") << "not a picture";
  try {
    LoadGlyphBitmaps(root);
    FAIL() << "no error for a broken picture";
  } catch (const UserError& error) {
    EXPECT_NE(std::string(error.what()).find("Owen.bmp"), std::string::npos) << error.what();
  }
}

TEST_F(GlyphFolder, PicturesLargerThanAGlyphAreRefusedNamingTheFile) {
  WriteAll();
  // 257 x 2 pixels at 1 bit: a small file whose header asks for more than a glyph.
  const std::vector<std::vector<int>> wide(2, std::vector<int>(257, 0));
  const std::vector<std::uint8_t> bytes = MakeBmp(wide, 1, false);
  std::ofstream(root / "Dann" / "Sol.bmp", std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  try {
    LoadGlyphBitmaps(root);
    FAIL() << "a picture wider than 256 points was taken";
  } catch (const UserError& error) {
    EXPECT_NE(std::string(error.what()).find("Sol.bmp"), std::string::npos) << error.what();
    EXPECT_NE(std::string(error.what()).find("257 × 2"), std::string::npos) << error.what();
  }
  // A file too large for any glyph is refused before it is read.
  std::filesystem::resize_file(root / "Dann" / "Sol.bmp", 2 << 20);
  EXPECT_THROW(LoadGlyphBitmaps(root), UserError);
  // 256 x 256 is still a glyph.
  const std::vector<std::vector<int>> largest(256, std::vector<int>(256, 0));
  const std::vector<std::uint8_t> fits = MakeBmp(largest, 32, false);
  std::ofstream(root / "Dann" / "Sol.bmp", std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(fits.data()), static_cast<std::streamsize>(fits.size()));
  EXPECT_EQ(LoadGlyphBitmaps(root).bodies[1].widthPixels, 256);
}

TEST(BundledGlyphs, AllTwentyEightLoadAndAreSmall) {
  const GlyphSet glyphs = LoadGlyphBitmaps(std::filesystem::path(VELORA_SOURCE_DIR) / "data");
  for (int body = 1; body <= 16; ++body) {
    EXPECT_GE(glyphs.bodies[body].widthPixels, 8) << kBodyPictureNames[body];
    EXPECT_LE(glyphs.bodies[body].widthPixels, 24) << kBodyPictureNames[body];
  }
  for (int sign = 1; sign <= 12; ++sign) {
    EXPECT_LE(glyphs.signs[sign].heightPixels, 24) << kSignPictureNames[sign];
  }
}

}  // namespace
}  // namespace velora
