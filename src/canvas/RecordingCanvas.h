#pragma once

#include <string>
#include <vector>

#include "canvas/Canvas.h"

namespace velora {

// One drawing call as a recording canvas keeps it.
struct DrawnPrimitive {
  enum class Kind { kLine, kEllipse, kRectangle, kText, kPicture };
  Kind kind = Kind::kLine;
  Rgb penColour;     // the pen at the time of the call
  PixelPoint from;   // line start, box top-left, text or picture top-left
  PixelPoint to;     // line end, box bottom-right
  std::string text;  // text of kText, picture name of kPicture
};

// A canvas that draws nothing and keeps every call, so tests can check the drawing to the pixel.
class RecordingCanvas : public Canvas {
 public:
  RecordingCanvas(int widthPixels, int heightPixels)
      : widthPixels_(widthPixels), heightPixels_(heightPixels) {}

  int widthPixels() const override { return widthPixels_; }
  int heightPixels() const override { return heightPixels_; }
  void SetPenColour(Rgb colour) override { penColour_ = colour; }
  void DrawLine(PixelPoint from, PixelPoint to) override;
  void FillEllipse(PixelPoint topLeft, PixelPoint bottomRight) override;
  void FillRectangle(PixelPoint topLeft, PixelPoint bottomRight) override;
  void DrawText(PixelPoint topLeft, std::string_view utf8) override;
  void DrawPicture(PixelPoint topLeft, const GlyphPicture& picture) override;

  const std::vector<DrawnPrimitive>& primitives() const { return primitives_; }
  std::vector<DrawnPrimitive> OfKind(DrawnPrimitive::Kind kind) const;
  void Forget() { primitives_.clear(); }

 private:
  void Record(DrawnPrimitive::Kind kind, PixelPoint from, PixelPoint to, std::string text);

  int widthPixels_;
  int heightPixels_;
  Rgb penColour_ = colours::kBlack;
  std::vector<DrawnPrimitive> primitives_;
};

}  // namespace velora
