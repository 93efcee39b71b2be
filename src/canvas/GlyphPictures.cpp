#include "canvas/GlyphPictures.h"

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "canvas/BmpReader.h"
#include "common/CaseInsensitivePath.h"
#include "common/UserError.h"

namespace velora {
namespace {

std::filesystem::path RelativePictureFile(std::string_view name) {
  return std::filesystem::path("Dann") / (std::string(name) + ".bmp");
}

// A glyph is drawn at 16 x 16; anything beyond this is no glyph and would only cost time and
// memory at every start.
constexpr int kLargestGlyphSide = 256;
// The largest file a glyph of that size can need: 32 bits per pixel and a generous header.
constexpr std::uintmax_t kLargestGlyphFileBytes = 4 * kLargestGlyphSide * kLargestGlyphSide + 4096;

std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& file) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (!error && size > kLargestGlyphFileBytes) {
    throw UserError("Файл рисунка «" + file.string() + "» слишком велик (" + std::to_string(size) +
                    " байт): значок должен быть не больше " + std::to_string(kLargestGlyphSide) +
                    " × " + std::to_string(kLargestGlyphSide) + " точек");
  }
  std::ifstream stream(file, std::ios::binary);
  if (!stream) return {};
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(stream),
                                   std::istreambuf_iterator<char>());
}

}  // namespace

GlyphPicture LoadGlyphPicture(const std::filesystem::path& dataDirectory, std::string_view name) {
  const std::filesystem::path relative = RelativePictureFile(name);
  const std::string shownPath = (dataDirectory / relative).string();
  const std::optional<std::filesystem::path> file = FindPathIgnoringCase(dataDirectory, relative);
  if (!file) throw UserError("Не найден файл рисунка «" + shownPath + "»");
  const std::vector<std::uint8_t> bytes = ReadWholeFile(*file);
  if (const std::optional<BmpSize> size = BmpSizeOf(bytes);
      size && (size->widthPixels > kLargestGlyphSide || size->heightPixels > kLargestGlyphSide)) {
    throw UserError("Рисунок «" + file->string() + "» размером " +
                    std::to_string(size->widthPixels) + " × " + std::to_string(size->heightPixels) +
                    " точек больше допустимых " + std::to_string(kLargestGlyphSide) + " × " +
                    std::to_string(kLargestGlyphSide));
  }
  std::optional<GlyphPicture> picture = DecodeBmp(bytes);
  if (!picture) {
    throw UserError("Файл «" + file->string() + "» не удалось прочитать как рисунок BMP");
  }
  picture->name = std::string(name);
  return std::move(*picture);
}

GlyphSet LoadGlyphBitmaps(const std::filesystem::path& dataDirectory) {
  GlyphSet glyphs;
  for (int sign = 1; sign <= 12; ++sign) {
    glyphs.signs[sign] = LoadGlyphPicture(dataDirectory, kSignPictureNames[sign]);
  }
  for (int body = 1; body <= 16; ++body) {
    glyphs.bodies[body] = LoadGlyphPicture(dataDirectory, kBodyPictureNames[body]);
  }
  return glyphs;
}

}  // namespace velora
