#include "derived/SolarReturnSearch.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/UserError.h"
#include "workspace/ChartKinds.h"

namespace velora {
namespace {

constexpr int kRefinementPasses = 5;

void RequireBirthMonth(const ChartForm& first) {
  if (first.monthIndex() == ChartForm::kNoMonth) {
    throw UserError(
        "Для соляра нужен месяц рождения: выберите его в окне «Исходные-Данные» (поле "
        "«Месяц»).");
  }
}

double SunAt(const SearchMoment& moment, const ChartForm& place) {
  return BodyLongitudeAt(kSun, moment, place);
}

double SunTarget(const ChartForm& first) {
  return BodyLongitudeAt(kSun, SearchMomentOf(first), first);
}

// The time at which the line through (t1, L1) and (t2, L2) reaches the target: first its zero,
// then the target's share of the way from the zero to (t2, L2).
double SecantToTarget(double t1, double t2, const OneScale& scale) {
  const double l1 = scale.earlier, l2 = scale.later;
  const double zero = (t1 * l2 - l1 * t2) / (l2 - l1);
  return zero + scale.target * (t2 - zero) / l2;
}

// One pass over an hour of the current day: the Sun at the current hour and at the next (the one
// before at 23 o'clock), put on one scale in time order, and the secant's hour written back.
SearchMoment RefineOnTheHour(const SearchMoment& current, double target, const ChartForm& place) {
  SearchMoment moved = current;
  moved.hour = current.hour < 23 ? current.hour + 1 : current.hour - 1;
  const double hour1 = current.hour + current.minute / 60.0;
  const double hour2 = moved.hour + moved.minute / 60.0;
  const double sun1 = SunAt(current, place);
  const double sun2 = SunAt(moved, place);

  // The earlier sample is the one the later is unwrapped against.
  double hour;
  if (hour1 < hour2) {
    hour = SecantToTarget(hour1, hour2, PutOnOneScale(sun1, sun2, target));
  } else {
    hour = SecantToTarget(hour2, hour1, PutOnOneScale(sun2, sun1, target));
  }

  // An hour outside the day moves the moment to the day before or after and is counted from that
  // day's midnight. (Clamped to the hour control instead, a return within a minute of midnight
  // would swing between 0:00 of the day before and 23:00 of the day after from pass to pass.)
  SearchMoment refined = moved;
  if (hour < 0) {
    refined = ShiftedByDays(moved, -1);
    hour += 24;
  } else if (hour >= 24) {
    refined = ShiftedByDays(moved, 1);
    hour -= 24;
  }
  const double wholeHours = std::trunc(hour);
  refined.hour = static_cast<int>(std::clamp(wholeHours, 0.0, 23.0));
  refined.minute = static_cast<int>(std::clamp(std::trunc((hour - wholeHours) * 60), 0.0, 60.0));
  return refined;
}

std::string MomentText(const SearchMoment& moment) {
  char text[64];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d", moment.day, moment.month,
                moment.year, moment.hour, moment.minute);
  return text;
}

}  // namespace

SearchMoment FindSolarReturn(const ChartForm& first, const ChartForm& second) {
  RequireBirthMonth(first);
  const double target = SunTarget(first);

  SearchMoment start = SearchMomentOf(first);
  start.year = second.year();
  const double t1 = JulianDayOf(start);
  const double sun1 = SunAt(start, second);

  // A day later: the date moves, the clock time stays.
  SearchMoment nextDay = SearchMomentAt(t1 + 1);
  nextDay.hour = start.hour;
  nextDay.minute = start.minute;
  const double t2 = JulianDayOf(nextDay);
  const double sun2 = SunAt(nextDay, second);

  SearchMoment moment = SearchMomentAt(SecantToTarget(t1, t2, PutOnOneScale(sun1, sun2, target)));
  for (int pass = 0; pass < kRefinementPasses; ++pass) {
    moment = RefineOnTheHour(moment, target, second);
  }
  return moment;
}

void SolarReturnSearch(const ChartForm& first, ChartForm& second) {
  const SearchMoment moment = FindSolarReturn(first, second);
  if (!WithinFormYears(moment)) {
    throw UserError("Соляр " + std::to_string(second.year()) + " года приходится на " +
                    MomentText(moment) +
                    " по Гринвичу, а программа считает карты только с 1880 по 2050 год. "
                    "Выберите другой год.");
  }
  second.name = chart_kinds::kSolar;
  WriteMomentToForm(moment, second);
}

}  // namespace velora
