#include "gui/PictureView.h"

#include <QPainter>

namespace velora::gui {

PictureView::PictureView(QWidget* parent, int widthPixels, int heightPixels)
    : QWidget(parent), canvas_(std::make_unique<QtCanvas>(widthPixels, heightPixels)) {
  setFixedSize(widthPixels, heightPixels);
}

void PictureView::ResizePicture(int widthPixels, int heightPixels) {
  if (widthPixels == canvas_->widthPixels() && heightPixels == canvas_->heightPixels()) return;
  auto resized = std::make_unique<QtCanvas>(widthPixels, heightPixels);
  resized->PaintImage({0, 0}, canvas_->image());
  canvas_ = std::move(resized);
  setFixedSize(widthPixels, heightPixels);
  update();
}

void PictureView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, canvas_->image());
}

}  // namespace velora::gui
