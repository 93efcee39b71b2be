#pragma once

#include "charts/ChartForm.h"

namespace velora {

// The moment a return search works on, in whole Greenwich minutes as the second chart window
// holds them. Unlike the window it is not clamped to the window's year range, so a search that
// runs past 1880 or 2050 finds its true moment and can say so instead of a clamped date.
struct SearchMoment {
  int year = 0;
  int month = 0;  // 1..12, 0 when no month was chosen
  int day = 0;
  int hour = 0;
  int minute = 0;
  bool operator==(const SearchMoment&) const = default;
};

// The window's date and time as a search moment.
SearchMoment SearchMomentOf(const ChartForm& form);

// JulianDay of day + hour / 24 + minute / 1440 of the moment's month and year.
double JulianDayOf(const SearchMoment& moment);

// A Julian day written as the window takes it: year, month and day truncated, the hours and
// minutes of the day's fraction truncated to whole units.
SearchMoment SearchMomentAt(double julianDay);

// The same calendar day moved by whole days (months and years follow); hour and minute stay.
SearchMoment ShiftedByDays(const SearchMoment& moment, int days);

// Whether the window can hold the moment (years 1880..2050).
bool WithinFormYears(const SearchMoment& moment);

// Writes the moment into the window's date and time. The moment must lie within its years.
void WriteMomentToForm(const SearchMoment& moment, ChartForm& form);

// The chart input of the moment at the window's place.
ChartInput ChartInputAt(const SearchMoment& moment, const ChartForm& place);

// The longitude of one body (Sun or Moon) at the moment, at the window's place.
double BodyLongitudeAt(int body, const SearchMoment& moment, const ChartForm& place);

// `later` put on the scale of `earlier` (360 added when it lies below), and the target shifted by
// a whole turn to lie within 180 degrees of `earlier`.
struct OneScale {
  double earlier = 0;
  double later = 0;
  double target = 0;
};
OneScale PutOnOneScale(double earlier, double later, double target);

}  // namespace velora
