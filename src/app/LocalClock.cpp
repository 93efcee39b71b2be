#include "app/LocalClock.h"

#include <ctime>

namespace velora {

LocalMoment LocalClockNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min};
}

void ReadNowIntoForm(ChartForm& form, const LocalMoment& now, std::string_view name) {
  form.setYear(now.year);
  form.setDay(now.day);
  form.setMonthIndex(now.month - 1);
  form.setHour(now.hour);
  form.setMinute(now.minute);
  form.name = std::string(name);
}

}  // namespace velora
