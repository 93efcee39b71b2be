#pragma once

#include <QWidget>
#include <memory>

#include "render/QtCanvas.h"

namespace velora::gui {

// A picture the core draws on through its Canvas, kept in an image so that it stays on screen
// when the window is covered and uncovered.
class PictureView : public QWidget {
  Q_OBJECT

 public:
  PictureView(QWidget* parent, int widthPixels, int heightPixels);

  Canvas& canvas() { return *canvas_; }
  const QImage& image() const { return canvas_->image(); }

  // Gives the picture a new size; what was drawn stays at the top left, new parts are white.
  void ResizePicture(int widthPixels, int heightPixels);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::unique_ptr<QtCanvas> canvas_;
};

}  // namespace velora::gui
