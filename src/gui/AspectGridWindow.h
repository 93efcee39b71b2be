#pragma once

#include <QDialog>

namespace velora::gui {

class PictureView;

// TAspq: the table of separations between the bodies of one chart or of two charts, on white,
// drawn into a picture that stays on screen when the window is covered and uncovered.
class AspectGridWindow : public QDialog {
  Q_OBJECT

 public:
  explicit AspectGridWindow(QWidget* owner);
  PictureView& picture() { return *picture_; }

 private:
  PictureView* picture_ = nullptr;
};

}  // namespace velora::gui
