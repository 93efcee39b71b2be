#pragma once

#include <QDialog>

class QDateEdit;

namespace velora::gui {

// TDat2, "Дата2": the date of the directions and the aspect set of their interpretation. Each
// time it becomes active the date becomes today.
class DirectionsDateWindow : public QDialog {
  Q_OBJECT

 public:
  explicit DirectionsDateWindow(QWidget* owner);

 protected:
  bool event(QEvent* event) override;

 private:
  QDateEdit* date_ = nullptr;
};

}  // namespace velora::gui
