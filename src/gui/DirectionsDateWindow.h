#pragma once

#include <QDialog>
#include <functional>

#include "settings/DirectionsRequest.h"

class QDateEdit;
class QRadioButton;

namespace velora::gui {

// TDat2, "Дата2": a view of the directions request, the date to direct the chart to and the
// aspect set of its text. Each time it becomes active the date becomes today.
class DirectionsDateWindow : public QDialog {
  Q_OBJECT

 public:
  // `compute` runs the directions ("Расчет").
  DirectionsDateWindow(QWidget* owner, DirectionsRequest& request, std::function<void()> compute);

  // Shows the request as the core holds it.
  void LoadFromRequest();

 protected:
  bool event(QEvent* event) override;

 private:
  DirectionsRequest& request_;
  QDateEdit* date_ = nullptr;
  QRadioButton* sixMajor_ = nullptr;
  QRadioButton* sixteen_ = nullptr;
};

}  // namespace velora::gui
