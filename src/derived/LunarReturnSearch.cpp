#include "derived/LunarReturnSearch.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "common/UserError.h"
#include "ephemeris/Calendar.h"
#include "workspace/ChartKinds.h"

namespace velora {
namespace {

constexpr int kReturnsListed = 3;
constexpr double kStartDaysBefore = 50;
constexpr double kDaysToNextSearch = 20;
constexpr double kBracketDegrees = 1;
// The Moon passes any longitude within a month; a scan that has not met it after this many steps
// has met a fault of the theory, not a slow Moon.
constexpr int kMostScanSteps = 10000;

// The Moon of the first chart, which the search looks for, and the Moon at the window's place.
struct MoonTarget {
  MoonTarget(const ChartForm& first, const ChartForm& second)
      : place(second), target(BodyLongitudeAt(kMoon, SearchMomentOf(first), first)) {}
  double at(const SearchMoment& moment) const { return BodyLongitudeAt(kMoon, moment, place); }
  const ChartForm& place;
  const double target;
};

// Scans from `moment` by `step` days until the Moon passes the target within one step, dividing
// the step by 3 each time it does, until the step's start lies within a degree of the target.
// Returns the start of that bracket; `step` is left at the bracket's length.
SearchMoment FindBracket(const MoonTarget& moon, SearchMoment moment, double& step) {
  for (int scan = 0; scan < kMostScanSteps; ++scan) {
    const double t = JulianDayOf(moment);
    const double target = moon.target;
    const SearchMoment start = SearchMomentAt(t);
    const double moon1 = moon.at(start);
    moment = SearchMomentAt(t + step);
    const OneScale scale = PutOnOneScale(moon1, moon.at(moment), target);
    if ((scale.target - scale.earlier) * (scale.target - scale.later) >= 0) continue;

    moment = start;
    step /= 3;
    const double atStart = moon.at(moment);
    const OneScale near = PutOnOneScale(atStart, atStart, target);
    if (std::abs(near.target - atStart) < kBracketDegrees) return moment;
  }
  throw UserError("Поиск лунара не нашёл возвращения Луны: проверьте данные карты.");
}

// The return inside the bracket, interpolated over its step.
double InterpolateReturn(const MoonTarget& moon, const SearchMoment& bracketStart, double step) {
  const double t = JulianDayOf(bracketStart);
  const double moon1 = moon.at(SearchMomentAt(t));
  const OneScale scale = PutOnOneScale(moon1, moon.at(SearchMomentAt(t + step)), moon.target);
  return t + (scale.target - scale.earlier) * step / (scale.later - scale.earlier);
}

std::string MonthYearText(const ChartForm& form) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d.%04d", form.monthIndex() + 1, form.year());
  return text;
}

}  // namespace

std::string LunarListEntry(double julianDay) {
  const CalendarDate date = CalendarFromJulianDay(julianDay);
  const double wholeDay = std::trunc(date.dayWithFraction);
  const double hours = (date.dayWithFraction - wholeDay) * 24;
  const double wholeHours = std::trunc(hours);
  const long minute = std::lround((hours - wholeHours) * 60);
  char text[64];
  std::snprintf(text, sizeof text, "%3d.%2d.%4d   %2d:%2ld", static_cast<int>(wholeDay),
                static_cast<int>(std::trunc(date.month)), static_cast<int>(std::trunc(date.year)),
                static_cast<int>(wholeHours), minute);
  return text;
}

namespace {

// Takes the number before `separator` off the front of `rest`, blanks around it ignored.
int TakeNumber(std::string& rest, char separator, const std::string& entry) {
  const std::size_t end = separator == '\0' ? rest.size() : rest.find(separator);
  const std::string part = rest.substr(0, end);
  rest = end == std::string::npos || end >= rest.size() ? std::string() : rest.substr(end + 1);
  const std::size_t first = part.find_first_not_of(' ');
  const std::size_t last = part.find_last_not_of(' ');
  const std::string digits = first == std::string::npos ? "" : part.substr(first, last - first + 1);
  if (digits.empty() || digits.size() > 4 ||
      digits.find_first_not_of("0123456789") != std::string::npos) {
    throw UserError("Строка списка лунаров «" + entry + "» не похожа на дату и время.");
  }
  return std::atoi(digits.c_str());
}

}  // namespace

SearchMoment ReadLunarListEntry(const std::string& entry) {
  std::string rest = entry;
  SearchMoment moment;
  moment.day = TakeNumber(rest, '.', entry);
  moment.month = TakeNumber(rest, '.', entry);
  // The year ends at the first blank after its digits.
  const std::size_t digits = rest.find_first_not_of(' ');
  const std::size_t blank =
      digits == std::string::npos ? std::string::npos : rest.find(' ', digits);
  if (blank == std::string::npos) {
    throw UserError("Строка списка лунаров «" + entry + "» не похожа на дату и время.");
  }
  rest[blank] = '|';
  moment.year = TakeNumber(rest, '|', entry);
  moment.hour = TakeNumber(rest, ':', entry);
  moment.minute = TakeNumber(rest, '\0', entry);
  if (moment.month < 1 || moment.month > 12) {
    throw UserError("Строка списка лунаров «" + entry + "»: нет такого месяца.");
  }
  return moment;
}

std::vector<LunarReturn> FindLunarReturns(const ChartForm& first, const ChartForm& second) {
  const MoonTarget moon(first, second);
  SearchMoment moment = SearchMomentAt(JulianDayOf(SearchMomentOf(second)) - kStartDaysBefore);
  std::vector<LunarReturn> returns;
  for (int found = 0; found < kReturnsListed; ++found) {
    double step = 1;
    moment = SearchMomentAt(JulianDayOf(moment) + kDaysToNextSearch);
    const SearchMoment bracket = FindBracket(moon, moment, step);
    const double exact = InterpolateReturn(moon, bracket, step);
    moment = SearchMomentAt(exact);
    returns.push_back({moment, LunarListEntry(exact)});
  }
  return returns;
}

LunarReturnList LunarReturnSearch(const ChartForm& first, ChartForm& second) {
  if (first.monthIndex() == ChartForm::kNoMonth) {
    throw UserError(
        "Для лунара нужен месяц рождения: выберите его в окне «Исходные-Данные» (поле "
        "«Месяц»).");
  }
  if (second.monthIndex() == ChartForm::kNoMonth) {
    throw UserError("Выберите месяц Лунара в окне «2 -я Карта» (поле «Месяц»).");
  }
  const std::string chosen = MonthYearText(second);
  LunarReturnList list;
  const SearchMoment* last = nullptr;
  const std::vector<LunarReturn> returns = FindLunarReturns(first, second);
  for (const LunarReturn& found : returns) {
    if (!WithinFormYears(found.moment)) continue;
    list.entries.push_back(found.listEntry);
    last = &found.moment;
  }
  if (list.entries.size() < returns.size()) {
    list.shortNotice = "Список лунаров от " + chosen + " короче обычного: в пределах 1880–2050 " +
                       "годов найдено " + std::to_string(list.entries.size()) + " из " +
                       std::to_string(returns.size()) +
                       ", а программа считает карты только за эти годы.";
  }
  second.name = chart_kinds::kLunar;
  if (last != nullptr) WriteMomentToForm(*last, second);
  return list;
}

}  // namespace velora
