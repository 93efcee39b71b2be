#include "gui/DirectionsDateWindow.h"

#include <QDate>
#include <QDateEdit>
#include <QEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/GuiSupport.h"

namespace velora::gui {

DirectionsDateWindow::DirectionsDateWindow(QWidget* owner) : QDialog(owner) {
  setObjectName("TDat2");
  setWindowTitle("Дата2");
  date_ = new QDateEdit(QDate(2002, 1, 1), this);
  date_->setObjectName("DateEdit1");
  date_->setDisplayFormat("dd.MM.yyyy");
  date_->setCalendarPopup(true);
  auto* compute = new QPushButton("Расчет", this);
  compute->setObjectName("Button1");
  DisableUntilLaterVersion(compute);
  auto* major = new QRadioButton("6 мажорных аспектов", this);
  major->setObjectName("RadioButton1");
  major->setChecked(true);
  auto* sixteen = new QRadioButton("16 основных аспектов", this);
  sixteen->setObjectName("RadioButton2");
  auto* column = new QVBoxLayout(this);
  column->addWidget(date_);
  column->addWidget(major);
  column->addWidget(sixteen);
  column->addWidget(compute);
  setFixedSize(sizeHint().expandedTo(QSize(220, 0)));
}

bool DirectionsDateWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) date_->setDate(QDate::currentDate());
  return QDialog::event(event);
}

}  // namespace velora::gui
