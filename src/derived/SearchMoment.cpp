#include "derived/SearchMoment.h"

#include <cmath>

#include "ephemeris/BodyDriver.h"
#include "ephemeris/Calendar.h"

namespace velora {
namespace {

// A Julian day carries about 1e-9 of a day of rounding, so a fraction that stands for a whole
// minute can come out a hair below it; the truncation must still give that minute.
constexpr double kMinuteTolerance = 1e-6;

int WholePart(double value) {
  return static_cast<int>(std::trunc(value));
}

}  // namespace

SearchMoment SearchMomentOf(const ChartForm& form) {
  return {form.year(), form.monthIndex() + 1, form.day(), form.hour(), form.minute()};
}

double JulianDayOf(const SearchMoment& moment) {
  const double day = moment.day + moment.hour / 24.0 + moment.minute / 1440.0;
  return JulianDay(day, moment.month, moment.year);
}

SearchMoment SearchMomentAt(double julianDay) {
  const CalendarDate date = CalendarFromJulianDay(julianDay);
  SearchMoment moment;
  moment.year = WholePart(date.year);
  moment.month = WholePart(date.month);
  moment.day = WholePart(date.dayWithFraction);
  // Whole minutes of the day, so that the hour and the minute are truncated together.
  const double minutesOfDay = (date.dayWithFraction - moment.day) * 1440 + kMinuteTolerance;
  const int wholeMinutes = WholePart(minutesOfDay);
  moment.hour = wholeMinutes / 60;
  moment.minute = wholeMinutes % 60;
  return moment;
}

SearchMoment ShiftedByDays(const SearchMoment& moment, int days) {
  const SearchMoment midnight{moment.year, moment.month, moment.day, 0, 0};
  SearchMoment shifted = SearchMomentAt(JulianDayOf(midnight) + days);
  shifted.hour = moment.hour;
  shifted.minute = moment.minute;
  return shifted;
}

bool WithinFormYears(const SearchMoment& moment) {
  return moment.year >= ChartForm::kMinYear && moment.year <= ChartForm::kMaxYear;
}

void WriteMomentToForm(const SearchMoment& moment, ChartForm& form) {
  form.setYear(moment.year);
  form.setMonthIndex(moment.month - 1);
  form.setDay(moment.day);
  form.setHour(moment.hour);
  form.setMinute(moment.minute);
}

ChartInput ChartInputAt(const SearchMoment& moment, const ChartForm& place) {
  ChartInput input = ReadChartInput(place);
  input.year = moment.year;
  input.month = moment.month;
  input.day = moment.day;
  input.hour = moment.hour;
  input.minute = moment.minute;
  return input;
}

double BodyLongitudeAt(int body, const SearchMoment& moment, const ChartForm& place) {
  ChartInput input = ChartInputAt(moment, place);
  PlanetLongitudes longitudes;
  ComputeBody(body, input, longitudes);
  return longitudes[body];
}

OneScale PutOnOneScale(double earlier, double later, double target) {
  OneScale scale{earlier, later < earlier ? later + 360 : later, target};
  if (scale.target - earlier > 180) scale.target -= 360;
  if (earlier - scale.target > 180) scale.target += 360;
  return scale;
}

}  // namespace velora
