#include "charts/FormMoment.h"

#include <algorithm>
#include <chrono>

namespace velora {
namespace {

using namespace std::chrono;

using Minutes = time_point<system_clock, minutes>;

Minutes FormMoment(const ChartForm& form) {
  // Day d of "no month" is computed as day d + 1 of the previous December.
  const bool noMonth = form.monthIndex() == ChartForm::kNoMonth;
  const year_month firstOfMonth =
      noMonth ? year_month{year{form.year() - 1}, December}
              : year_month{year{form.year()}, month{static_cast<unsigned>(form.monthIndex() + 1)}};
  const sys_days day = sys_days{firstOfMonth / 1} + days{form.day() - 1 + (noMonth ? 1 : 0)};
  return Minutes{day} + hours{form.hour()} + minutes{form.minute()};
}

void StoreMoment(ChartForm& form, Minutes moment) {
  const sys_days day = floor<days>(moment);
  const year_month_day date{day};
  const hh_mm_ss<minutes> time{moment - day};
  form.setYear(static_cast<int>(date.year()));
  form.setMonthIndex(static_cast<int>(static_cast<unsigned>(date.month())) - 1);
  form.setDay(static_cast<unsigned>(date.day()));
  form.setHour(time.hours().count());
  form.setMinute(time.minutes().count());
}

}  // namespace

void ShiftFormMoment(ChartForm& form, long minutesToAdd) {
  const Minutes earliest{sys_days{year{ChartForm::kMinYear} / January / 1}};
  const Minutes latest{sys_days{year{ChartForm::kMaxYear} / December / 31} + hours{23} +
                       minutes{59}};
  const Minutes moved = FormMoment(form) + minutes{minutesToAdd};
  StoreMoment(form, std::clamp(moved, earliest, latest));
}

}  // namespace velora
