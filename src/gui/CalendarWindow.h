#pragma once

#include <QDialog>
#include <functional>

#include "settings/CalendarDates.h"

class QDateEdit;
class QLabel;

namespace velora::gui {

// TKalendar, "Календарь": a view of the calendar's two dates, for the transit calendar or the
// fatigue calendar. Each time it becomes active the dates become today and today + 7 days.
class CalendarWindow : public QDialog {
  Q_OBJECT

 public:
  // `compute` runs the calendar ("Расчет ").
  CalendarWindow(QWidget* owner, CalendarDates& dates, std::function<void()> compute);

  // Shows the dates as the core holds them.
  void LoadFromDates();

 protected:
  bool event(QEvent* event) override;

 private:
  void StoreDates();

  CalendarDates& dates_;
  QDateEdit* first_ = nullptr;
  QDateEdit* second_ = nullptr;
  QLabel* orderWarning_ = nullptr;
};

}  // namespace velora::gui
