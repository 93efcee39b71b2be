#include "derived/FatigueCalendar.h"

#include <cmath>
#include <cstdio>

#include "common/UserError.h"
#include "ephemeris/Calendar.h"

namespace velora {
namespace {

constexpr long double kPi = 3.14159265358979L;
constexpr double kHalfPeriodsDays[4] = {5.92210929, 7.10653115, 8.29095301, 28.4261246};

std::string FatigueLine(const FatigueRecord& record, double birthJulianDay) {
  const CalendarDate date =
      CalendarFromJulianDay(static_cast<double>(record.ageDays + birthJulianDay));
  char text[160];
  std::snprintf(text, sizeof text, "  %2d.%2d.%4d       %d       %d       %d       %d",
                static_cast<int>(date.dayWithFraction), static_cast<int>(date.month),
                static_cast<int>(date.year), record.f1, record.f2, record.f3, record.t2);
  std::string line = text;
  if (record.f1 == 0 && record.f2 == 0 && record.f3 == 0) {
    line += "  конец/начало Биологич. Цикла Организма";
  }
  return line;
}

}  // namespace

int CycleSignFlag(long double ageDays, double halfPeriodDays) {
  const long double now = std::sin(kPi * ageDays / halfPeriodDays);
  const long double next = std::sin(kPi * (ageDays + 1) / halfPeriodDays);
  return now * next >= 0 ? 1 : 0;
}

std::vector<FatigueRecord> FatigueDays(double endJulianDay, double startJulianDay,
                                       double birthJulianDay) {
  std::vector<FatigueRecord> records;
  long double age = static_cast<long double>(startJulianDay) - birthJulianDay;
  double day = startJulianDay;
  do {
    FatigueRecord record{
        age, CycleSignFlag(age, kHalfPeriodsDays[0]), CycleSignFlag(age, kHalfPeriodsDays[1]),
        CycleSignFlag(age, kHalfPeriodsDays[2]), CycleSignFlag(age, kHalfPeriodsDays[3])};
    const int shortCrossings = 3 - record.f1 - record.f2 - record.f3;
    if (record.t2 == 0 || shortCrossings >= 2) records.push_back(record);
    age += 1;
    day += 1;
  } while (day != endJulianDay && static_cast<int>(records.size()) < kMostFatigueRecords);
  return records;
}

std::vector<std::string> FatigueCalendarLines(Workspace& workspace) {
  const ChartForm& first = workspace.forms.first;
  if (first.monthIndex() == ChartForm::kNoMonth) {
    throw UserError(
        "Для календаря усталости нужен месяц рождения: выберите его в окне «Исходные-Данные» "
        "(поле «Месяц»).");
  }
  const double birthJulianDay =
      JulianDay(first.day() + first.hour() / 24.0 + first.minute() / 1440.0, first.monthIndex() + 1,
                first.year());
  const CalendarDates& dates = workspace.settings.calendar;
  const double startJulianDay = JulianDay(dates.first.day, dates.first.month, dates.first.year);
  const double endJulianDay = JulianDay(dates.second.day, dates.second.month, dates.second.year);

  std::vector<std::string> lines;
  lines.push_back("Дни усталости организма " + first.name);
  lines.push_back("  Дата            Ф1       Ф2      Ф3      T2");
  for (const FatigueRecord& record : FatigueDays(endJulianDay, startJulianDay, birthJulianDay)) {
    lines.push_back(FatigueLine(record, birthJulianDay));
  }
  return lines;
}

}  // namespace velora
