#include "gui/ListingWindow.h"

#include <QVBoxLayout>

#include "gui/PictureView.h"

namespace velora::gui {
namespace {

// Room for 16 position lines from y = 35 (25 apart) and the cusp list at x = 130.
constexpr int kWidthPixels = 280;
constexpr int kHeightPixels = 450;

}  // namespace

ListingWindow::ListingWindow(QWidget* owner) : QDialog(owner) {
  setObjectName("TProsm");
  setWindowTitle("Радикс");
  picture_ = new PictureView(this, kWidthPixels, kHeightPixels);
  picture_->setObjectName("ListingPicture");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(picture_);
  setFixedSize(kWidthPixels, kHeightPixels);
}

}  // namespace velora::gui
