#pragma once

#include "charts/ChartForm.h"

namespace velora::testing {

// An entry form holding a date (month 1..12) and a Greenwich time.
inline ChartForm FormAt(int year, int month, int day, int hour, int minute) {
  ChartForm form;
  form.setYear(year);
  form.setMonthIndex(month - 1);
  form.setDay(day);
  form.setHour(hour);
  form.setMinute(minute);
  return form;
}

}  // namespace velora::testing
