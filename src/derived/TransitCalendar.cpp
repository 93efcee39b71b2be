#include "derived/TransitCalendar.h"

#include "derived/TransitListing.h"
#include "derived/WeekdayName.h"

namespace velora {

std::string MonthNumber(int month) {
  return (month < 10 ? "0" : "") + std::to_string(month);
}

std::vector<std::string> TransitCalendarLines(Workspace& workspace) {
  const NatalChart natal = ComputeNatalChart(workspace);
  const ChartForm& first = workspace.forms.first;
  std::vector<std::string> lines;
  lines.push_back("Транзиты на Радикс " + std::to_string(first.day()) + "." +
                  MonthNumber(first.monthIndex() + 1) + "." + std::to_string(first.year()));
  lines.push_back("  ");

  const CalendarDates& dates = workspace.settings.calendar;
  ChartForm& second = workspace.forms.second;
  const TransitRules rules = ReadTransitRules(workspace);
  DayDate day = dates.first;
  do {
    day = DaysAfter(day, 1);
    second.setYear(day.year);
    second.setMonthIndex(day.month - 1);
    second.setDay(day.day);
    lines.push_back(std::to_string(day.day) + "." + MonthNumber(day.month) + "." +
                    std::to_string(day.year) + "  " +
                    std::string(WeekdayName(day.day, day.month, day.year)));
    for (std::string& line : ListTransitsForDay(workspace, natal, rules)) {
      lines.push_back(std::move(line));
    }
  } while (!(dates.second < DaysAfter(day, 1)) && day < kLastDateBoxDay);
  return lines;
}

}  // namespace velora
