#include "settings/CalendarDates.h"

namespace velora {

void CalendarDates::ResetTo(const DayDate& today) {
  first = ClampToDateBoxRange(today);
  second = ClampToDateBoxRange(DaysAfter(today, kDefaultSpanDays));
}

}  // namespace velora
