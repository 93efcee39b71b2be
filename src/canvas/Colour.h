#pragma once

#include <cstdint>

namespace velora {

// A pen or swatch colour, 8 bits per channel.
struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool operator==(const Rgb&) const = default;
};

// The named colours of the drawing, with the values of the usual sixteen-colour palette.
namespace colours {
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kGreen{0, 128, 0};
inline constexpr Rgb kPurple{128, 0, 128};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kFuchsia{255, 0, 255};
inline constexpr Rgb kNavy{0, 0, 128};
inline constexpr Rgb kAqua{0, 255, 255};
inline constexpr Rgb kLime{0, 255, 0};
inline constexpr Rgb kOlive{128, 128, 0};
inline constexpr Rgb kMaroon{128, 0, 0};
// The caption colour of an active window is a system setting elsewhere; here it is fixed to the
// blue of a classic active title bar.
inline constexpr Rgb kActiveCaption{0, 84, 227};
}  // namespace colours

}  // namespace velora
