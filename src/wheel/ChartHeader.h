#pragma once

#include <string>

#include "canvas/Canvas.h"
#include "charts/ChartForm.h"

namespace velora {

// The month as the month box shows it: its name, or "Выбери месяц" when none is chosen.
std::string MonthBoxText(const ChartForm& form);

// "15 Январь 1980": day in width 2, the month box text, year in width 4.
std::string HeaderDateLine(const ChartForm& form);

// "GMT12:30": hour and minute each in width 2, padded with blanks.
std::string HeaderTimeLine(const ChartForm& form);

// Name, date and time of a form at x, at y = 10, 25 and 40.
void WriteNameDateTime(Canvas& canvas, const ChartForm& form, int x);

// The five header lines of a chart: name, date and time, then "Широта " and "Долгота " with the
// texts as typed at y = H - 50 and H - 35.
void WriteChartHeader(Canvas& canvas, const ChartForm& form, int x);

}  // namespace velora
