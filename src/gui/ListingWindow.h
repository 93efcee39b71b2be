#pragma once

#include <QDialog>

namespace velora::gui {

class PictureView;

// TProsm: the position list and cusp list of one chart ("Радикс" or "Транзит"), drawn into a
// picture that stays on screen when the window is covered and uncovered.
class ListingWindow : public QDialog {
  Q_OBJECT

 public:
  explicit ListingWindow(QWidget* owner);
  PictureView& picture() { return *picture_; }

 private:
  PictureView* picture_ = nullptr;
};

}  // namespace velora::gui
