#include "gui/AspectGridWindow.h"

#include <QVBoxLayout>

#include "gui/PictureView.h"

namespace velora::gui {
namespace {

// 16 columns 35 pixels apart from x = 45 and 16 rows 30 apart from y = 40, with a margin.
constexpr int kWidthPixels = 610;
constexpr int kHeightPixels = 540;

}  // namespace

AspectGridWindow::AspectGridWindow(QWidget* owner) : QDialog(owner) {
  setObjectName("TAspq");
  setWindowTitle("Аспекты радикса");
  setStyleSheet("QDialog { background: white; }");
  picture_ = new PictureView(this, kWidthPixels, kHeightPixels);
  picture_->setObjectName("GridPicture");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(picture_);
  setFixedSize(kWidthPixels, kHeightPixels);
}

}  // namespace velora::gui
