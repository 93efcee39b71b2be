#pragma once

#include <QImage>
#include <string>

#include "canvas/Canvas.h"

namespace velora {

// A canvas painting on a QImage (QtGui only; works with the offscreen platform). The picture
// starts white. Lines are drawn one pixel wide without smoothing so they fall on the pixels the
// geometry names; text is drawn black without a background box, so a label that lands on a
// glyph or a line leaves it readable.
class QtCanvas : public Canvas {
 public:
  QtCanvas(int widthPixels, int heightPixels);

  int widthPixels() const override { return image_.width(); }
  int heightPixels() const override { return image_.height(); }
  void SetPenColour(Rgb colour) override { penColour_ = colour; }
  void DrawLine(PixelPoint from, PixelPoint to) override;
  void FillEllipse(PixelPoint topLeft, PixelPoint bottomRight) override;
  void FillRectangle(PixelPoint topLeft, PixelPoint bottomRight) override;
  void DrawText(PixelPoint topLeft, std::string_view utf8) override;
  void DrawPicture(PixelPoint topLeft, const GlyphPicture& picture) override;

  const QImage& image() const { return image_; }
  // Paints another picture over this one with its top-left corner at `topLeft` (used to keep
  // what was drawn when the picture is resized).
  void PaintImage(PixelPoint topLeft, const QImage& image);

  // Writes the picture as PNG or BMP by the file's extension (".png", ".bmp", any case); throws
  // UserError when the extension is neither or the file cannot be written.
  void Save(const std::string& filePath) const;

 private:
  QImage image_;
  Rgb penColour_ = colours::kBlack;
};

// The QImage of a glyph picture, transparent where the picture is.
QImage ToQImage(const GlyphPicture& picture);

}  // namespace velora
