#include "gui/DateBoxes.h"

#include <QDateEdit>

namespace velora::gui {

QDateEdit* MakeDateBox(QWidget* parent, const char* objectName) {
  auto* box = new QDateEdit(parent);
  box->setObjectName(objectName);
  box->setDisplayFormat("dd.MM.yyyy");
  box->setCalendarPopup(true);
  box->setDateRange(QDateOf(kFirstDateBoxDay), QDateOf(kLastDateBoxDay));
  return box;
}

QDate QDateOf(const DayDate& date) {
  return QDate(date.year, date.month, date.day);
}

DayDate DayDateOf(const QDate& date) {
  return {date.day(), date.month(), date.year()};
}

DayDate Today() {
  return DayDateOf(QDate::currentDate());
}

}  // namespace velora::gui
