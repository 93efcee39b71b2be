#pragma once

#include <QDialog>

class QDateEdit;
class QLabel;

namespace velora::gui {

// TKalendar, "Календарь": two dates for the transit calendar or the fatigue calendar. Each time
// it becomes active the dates become today and today + 7 days.
class CalendarWindow : public QDialog {
  Q_OBJECT

 public:
  explicit CalendarWindow(QWidget* owner);

 protected:
  bool event(QEvent* event) override;

 private:
  void CheckOrder();

  QDateEdit* first_ = nullptr;
  QDateEdit* second_ = nullptr;
  QLabel* orderWarning_ = nullptr;
};

}  // namespace velora::gui
