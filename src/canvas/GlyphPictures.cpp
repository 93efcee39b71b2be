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

std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& file) {
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
  std::optional<GlyphPicture> picture = DecodeBmp(ReadWholeFile(*file));
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
