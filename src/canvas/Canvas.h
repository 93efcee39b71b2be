#pragma once

#include <string_view>

#include "canvas/Colour.h"
#include "canvas/GlyphPicture.h"

namespace velora {

// A pixel of the picture; y grows downward.
struct PixelPoint {
  int x = 0;
  int y = 0;
  bool operator==(const PixelPoint&) const = default;
};

// The drawing surface of the chart picture and of the listing and grid windows. The brush is
// always white and the font colour black, as the program never changes them.
class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual int widthPixels() const = 0;
  virtual int heightPixels() const = 0;

  // The colour of the lines and ellipse outlines that follow.
  virtual void SetPenColour(Rgb colour) = 0;
  virtual void DrawLine(PixelPoint from, PixelPoint to) = 0;
  // An ellipse in the box from `topLeft` to `bottomRight`, outlined with the pen and filled with
  // the brush.
  virtual void FillEllipse(PixelPoint topLeft, PixelPoint bottomRight) = 0;
  // A rectangle filled with the brush, without an outline.
  virtual void FillRectangle(PixelPoint topLeft, PixelPoint bottomRight) = 0;
  // One line of UTF-8 text in black with its top-left corner at `topLeft`; what lies between
  // the letters stays visible.
  virtual void DrawText(PixelPoint topLeft, std::string_view utf8) = 0;
  // A picture with its top-left corner at `topLeft`; transparent pixels leave the canvas as is.
  virtual void DrawPicture(PixelPoint topLeft, const GlyphPicture& picture) = 0;
};

}  // namespace velora
