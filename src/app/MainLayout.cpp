#include "app/MainLayout.h"

#include <algorithm>

namespace velora {
namespace {

// Space the layout leaves beside and below the picture for the buttons.
constexpr int kViewWidthMarginPixels = 100;
constexpr int kViewHeightMarginPixels = 130;
constexpr int kButtonRowFromBottomPixels = 90;
constexpr int kScanningLabelFromBottomPixels = 106;
// A window shrunk below the margins still gets a picture of this size.
constexpr int kSmallestViewPixels = 1;

}  // namespace

MainLayout LayoutMainWindow(int outerWidthPixels, int outerHeightPixels, int aboutWidthPixels,
                            int aboutHeightPixels) {
  MainLayout layout;
  layout.viewWidthPixels = std::max(kSmallestViewPixels, outerWidthPixels - kViewWidthMarginPixels);
  layout.viewHeightPixels =
      std::max(kSmallestViewPixels, outerHeightPixels - kViewHeightMarginPixels);
  layout.buttonTopPixels = outerHeightPixels - kButtonRowFromBottomPixels;
  layout.scanningLabelTopPixels = outerHeightPixels - kScanningLabelFromBottomPixels;
  layout.aboutLeftPixels = static_cast<int>(outerWidthPixels / 2.0 - aboutWidthPixels / 2.0);
  layout.aboutTopPixels = static_cast<int>(outerHeightPixels / 2.0 - aboutHeightPixels / 2.0);
  return layout;
}

}  // namespace velora
