#pragma once

#include "canvas/Canvas.h"

namespace velora {

// Paints the whole picture with the brush, from (0, 0) to (width, height).
void ClearPicture(Canvas& canvas);

}  // namespace velora
