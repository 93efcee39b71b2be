#include "wheel/ClearPicture.h"

namespace velora {

void ClearPicture(Canvas& canvas) {
  canvas.FillRectangle({0, 0}, {canvas.widthPixels(), canvas.heightPixels()});
}

}  // namespace velora
