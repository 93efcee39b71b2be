#pragma once

namespace velora {

// A rectangle in the main window's client area, in pixels.
struct LayoutRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const LayoutRect&) const = default;
};

// What LayoutMainWindow sets, for a window of outer size W x H and an about box of the given
// size: picture and text view W - 100 wide and H - 130 high; the buttons at top H - 90; the
// "Сканирование" label at top H - 106; the about box centred (whole parts of W / 2 - width / 2
// and H / 2 - height / 2).
struct MainLayout {
  int viewWidthPixels = 0;
  int viewHeightPixels = 0;
  int buttonTopPixels = 0;
  int scanningLabelTopPixels = 0;
  int aboutLeftPixels = 0;
  int aboutTopPixels = 0;
};

MainLayout LayoutMainWindow(int outerWidthPixels, int outerHeightPixels, int aboutWidthPixels,
                            int aboutHeightPixels);

}  // namespace velora
