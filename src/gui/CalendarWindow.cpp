#include "gui/CalendarWindow.h"

#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include "gui/DateBoxes.h"

namespace velora::gui {

CalendarWindow::CalendarWindow(QWidget* owner, CalendarDates& dates, std::function<void()> compute)
    : QDialog(owner), dates_(dates) {
  setObjectName("TKalendar");
  setWindowTitle("Календарь");
  auto* grid = new QGridLayout(this);
  auto* firstLabel = new QLabel("Дата 1", this);
  firstLabel->setObjectName("Label1");
  auto* secondLabel = new QLabel("Дата2", this);
  secondLabel->setObjectName("Label2");
  first_ = MakeDateBox(this, "DateEdit1");
  second_ = MakeDateBox(this, "DateEdit2");
  orderWarning_ = new QLabel("Дата 2 должна быть позже чем Дата1", this);
  orderWarning_->setObjectName("Label5");
  orderWarning_->setStyleSheet("color: red; font-weight: bold;");
  auto* computeButton = new QPushButton("Расчет ", this);
  computeButton->setObjectName("Button3");
  computeButton->setDefault(true);
  connect(computeButton, &QPushButton::clicked, this, std::move(compute));
  grid->addWidget(firstLabel, 0, 0);
  grid->addWidget(first_, 1, 0);
  grid->addWidget(secondLabel, 0, 1);
  grid->addWidget(second_, 1, 1);
  grid->addWidget(orderWarning_, 2, 0, 1, 2);
  grid->addWidget(computeButton, 3, 1, Qt::AlignRight);
  connect(first_, &QDateEdit::dateChanged, this, &CalendarWindow::StoreDates);
  connect(second_, &QDateEdit::dateChanged, this, &CalendarWindow::StoreDates);
  dates_.ResetTo(Today());
  LoadFromDates();
  setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
}

void CalendarWindow::LoadFromDates() {
  const QSignalBlocker blockFirst(first_);
  const QSignalBlocker blockSecond(second_);
  first_->setDate(QDateOf(dates_.first));
  second_->setDate(QDateOf(dates_.second));
  orderWarning_->setVisible(dates_.OutOfOrder());
}

void CalendarWindow::StoreDates() {
  dates_.first = DayDateOf(first_->date());
  dates_.second = DayDateOf(second_->date());
  orderWarning_->setVisible(dates_.OutOfOrder());
}

bool CalendarWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    dates_.ResetTo(Today());
    LoadFromDates();
  }
  return QDialog::event(event);
}

}  // namespace velora::gui
