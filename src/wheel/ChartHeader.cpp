#include "wheel/ChartHeader.h"

#include <cstdio>

namespace velora {

std::string MonthBoxText(const ChartForm& form) {
  const int index = form.monthIndex();
  if (index < 0 || index >= 12) return "Выбери месяц";
  return kMonthNames[index];
}

std::string HeaderDateLine(const ChartForm& form) {
  char day[16];
  char year[16];
  std::snprintf(day, sizeof day, "%2d", form.day());
  std::snprintf(year, sizeof year, "%4d", form.year());
  return std::string(day) + " " + MonthBoxText(form) + " " + year;
}

std::string HeaderTimeLine(const ChartForm& form) {
  char line[32];
  std::snprintf(line, sizeof line, "GMT%2d:%2d", form.hour(), form.minute());
  return line;
}

void WriteNameDateTime(Canvas& canvas, const ChartForm& form, int x) {
  canvas.DrawText({x, 10}, form.name);
  canvas.DrawText({x, 25}, HeaderDateLine(form));
  canvas.DrawText({x, 40}, HeaderTimeLine(form));
}

void WriteChartHeader(Canvas& canvas, const ChartForm& form, int x) {
  WriteNameDateTime(canvas, form, x);
  const int height = canvas.heightPixels();
  canvas.DrawText({x, height - 50}, "Широта " + form.latitudeText);
  canvas.DrawText({x, height - 35}, "Долгота " + form.longitudeText);
}

}  // namespace velora
