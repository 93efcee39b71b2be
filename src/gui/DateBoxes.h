#pragma once

#include <QDate>

#include "settings/DayDate.h"

class QDateEdit;
class QWidget;

namespace velora::gui {

// A date box as the calendar and directions windows have it: ДД.ММ.ГГГГ whatever the locale, a
// calendar pop-up, and only the days of 1880..2050.
QDateEdit* MakeDateBox(QWidget* parent, const char* objectName);

QDate QDateOf(const DayDate& date);
DayDate DayDateOf(const QDate& date);

// The computer's date today.
DayDate Today();

}  // namespace velora::gui
