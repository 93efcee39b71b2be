#include "gui/CalendarWindow.h"

#include <QDate>
#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "gui/GuiSupport.h"

namespace velora::gui {
namespace {

// The calendar shows days with four-digit years.
constexpr const char* kDateFormat = "dd.MM.yyyy";
constexpr int kDefaultSpanDays = 7;

QDateEdit* MakeDateEdit(QWidget* parent, const char* objectName) {
  auto* edit = new QDateEdit(QDate::currentDate(), parent);
  edit->setObjectName(objectName);
  edit->setDisplayFormat(kDateFormat);
  edit->setCalendarPopup(true);
  return edit;
}

}  // namespace

CalendarWindow::CalendarWindow(QWidget* owner) : QDialog(owner) {
  setObjectName("TKalendar");
  setWindowTitle("Календарь");
  auto* grid = new QGridLayout(this);
  auto* firstLabel = new QLabel("Дата 1", this);
  firstLabel->setObjectName("Label1");
  auto* secondLabel = new QLabel("Дата2", this);
  secondLabel->setObjectName("Label2");
  first_ = MakeDateEdit(this, "DateEdit1");
  second_ = MakeDateEdit(this, "DateEdit2");
  second_->setDate(QDate::currentDate().addDays(kDefaultSpanDays));
  orderWarning_ = new QLabel("Дата 2 должна быть позже чем Дата1", this);
  orderWarning_->setObjectName("Label5");
  orderWarning_->setStyleSheet("color: red; font-weight: bold;");
  orderWarning_->hide();
  auto* compute = new QPushButton("Расчет ", this);
  compute->setObjectName("Button3");
  DisableUntilLaterVersion(compute);
  grid->addWidget(firstLabel, 0, 0);
  grid->addWidget(first_, 1, 0);
  grid->addWidget(secondLabel, 0, 1);
  grid->addWidget(second_, 1, 1);
  grid->addWidget(orderWarning_, 2, 0, 1, 2);
  grid->addWidget(compute, 3, 1, Qt::AlignRight);
  connect(first_, &QDateEdit::dateChanged, this, &CalendarWindow::CheckOrder);
  connect(second_, &QDateEdit::dateChanged, this, &CalendarWindow::CheckOrder);
  setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
}

void CalendarWindow::CheckOrder() {
  orderWarning_->setVisible(second_->date() < first_->date());
}

bool CalendarWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    first_->setDate(QDate::currentDate());
    second_->setDate(QDate::currentDate().addDays(kDefaultSpanDays));
  }
  return QDialog::event(event);
}

}  // namespace velora::gui
