#pragma once

#include <array>
#include <filesystem>
#include <string_view>

#include "canvas/GlyphPicture.h"
#include "common/OneBasedArray.h"

namespace velora {

// File names (without ".bmp") of the sign pictures, Aries to Pisces, and of the body pictures by
// body number.
inline constexpr std::array<std::string_view, 13> kSignPictureNames = {
    "",     "Owen",  "Telec",   "Blizn",   "Rak",     "Lew", "Dewa",
    "Wesi", "Skorp", "Strelec", "Kozerog", "Wodolej", "Riba"};
inline constexpr std::array<std::string_view, 17> kBodyPictureNames = {
    "",       "Sol",    "Luna",  "Mercur", "Venera", "Mars", "Jupit",  "Saturn", "Uran",
    "Neptun", "Pluton", "Hiron", "Proz",   "Rachu",  "Ketu", "Selena", "Lilit"};

// The 12 sign and 16 body pictures of the wheel, position list and grid.
struct GlyphSet {
  OneBasedArray<GlyphPicture, 12> signs;
  OneBasedArray<GlyphPicture, 16> bodies;
};

// Reads one picture file; throws UserError naming the file when it is missing or not a bitmap.
GlyphPicture LoadGlyphPicture(const std::filesystem::path& dataDirectory, std::string_view name);

// Loads the 28 pictures from dataDirectory/Dann/<name>.bmp, signs first, then bodies, each call
// afresh. Throws UserError naming the first file that is missing or unreadable.
GlyphSet LoadGlyphBitmaps(const std::filesystem::path& dataDirectory);

}  // namespace velora
