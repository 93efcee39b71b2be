#pragma once

#include <algorithm>
#include <vector>

#include "canvas/GlyphPictures.h"
#include "canvas/RecordingCanvas.h"
#include "workspace/Workspace.h"

namespace velora::testing {

// Glyph pictures that carry only their names, so a recording canvas shows which was drawn.
inline GlyphSet NamedGlyphs() {
  GlyphSet glyphs;
  for (int sign = 1; sign <= 12; ++sign) glyphs.signs[sign].name = kSignPictureNames[sign];
  for (int body = 1; body <= 16; ++body) glyphs.bodies[body].name = kBodyPictureNames[body];
  return glyphs;
}

inline std::vector<DrawnPrimitive> Named(const std::vector<DrawnPrimitive>& primitives,
                                         const std::string& name) {
  std::vector<DrawnPrimitive> selected;
  std::copy_if(primitives.begin(), primitives.end(), std::back_inserter(selected),
               [&](const DrawnPrimitive& primitive) { return primitive.text == name; });
  return selected;
}

inline std::vector<DrawnPrimitive> WithPen(const std::vector<DrawnPrimitive>& primitives,
                                           Rgb colour) {
  std::vector<DrawnPrimitive> selected;
  std::copy_if(primitives.begin(), primitives.end(), std::back_inserter(selected),
               [&](const DrawnPrimitive& primitive) { return primitive.penColour == colour; });
  return selected;
}

}  // namespace velora::testing
