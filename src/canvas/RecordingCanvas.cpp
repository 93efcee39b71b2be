#include "canvas/RecordingCanvas.h"

namespace velora {

void RecordingCanvas::Record(DrawnPrimitive::Kind kind, PixelPoint from, PixelPoint to,
                             std::string text) {
  primitives_.push_back(DrawnPrimitive{kind, penColour_, from, to, std::move(text)});
}

void RecordingCanvas::DrawLine(PixelPoint from, PixelPoint to) {
  Record(DrawnPrimitive::Kind::kLine, from, to, {});
}

void RecordingCanvas::FillEllipse(PixelPoint topLeft, PixelPoint bottomRight) {
  Record(DrawnPrimitive::Kind::kEllipse, topLeft, bottomRight, {});
}

void RecordingCanvas::FillRectangle(PixelPoint topLeft, PixelPoint bottomRight) {
  Record(DrawnPrimitive::Kind::kRectangle, topLeft, bottomRight, {});
}

void RecordingCanvas::DrawText(PixelPoint topLeft, std::string_view utf8) {
  Record(DrawnPrimitive::Kind::kText, topLeft, topLeft, std::string(utf8));
}

void RecordingCanvas::DrawPicture(PixelPoint topLeft, const GlyphPicture& picture) {
  Record(DrawnPrimitive::Kind::kPicture, topLeft, topLeft, picture.name);
}

std::vector<DrawnPrimitive> RecordingCanvas::OfKind(DrawnPrimitive::Kind kind) const {
  std::vector<DrawnPrimitive> selected;
  for (const DrawnPrimitive& primitive : primitives_) {
    if (primitive.kind == kind) selected.push_back(primitive);
  }
  return selected;
}

}  // namespace velora
