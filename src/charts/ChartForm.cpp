#include "charts/ChartForm.h"

#include <algorithm>
#include <cmath>

#include "common/DecimalText.h"

namespace velora {
namespace {

int TruncateAndClamp(double value, int low, int high) {
  if (std::isnan(value)) return low;
  const double whole = std::trunc(value);
  if (whole < low) return low;
  if (whole > high) return high;
  return static_cast<int>(whole);
}

}  // namespace

void ChartForm::setYear(double value) {
  year_ = TruncateAndClamp(value, kMinYear, kMaxYear);
}
void ChartForm::setMonthIndex(int index) {
  monthIndex_ = index >= 0 && index < 12 ? index : kNoMonth;
}
void ChartForm::setDay(double value) {
  day_ = TruncateAndClamp(value, kMinDay, kMaxDay);
}
void ChartForm::setHour(double value) {
  hour_ = TruncateAndClamp(value, 0, kMaxHour);
}
void ChartForm::setMinute(double value) {
  minute_ = TruncateAndClamp(value, 0, kMaxMinute);
}

ChartInput ReadChartInput(const ChartForm& form) {
  ChartInput input;
  input.year = form.year();
  input.month = form.monthIndex() + 1;
  input.day = form.day();
  input.hour = form.hour();
  input.minute = form.minute();
  input.latitude = RequireDecimal(form.latitudeText, "Широта");
  input.longitude = RequireDecimal(form.longitudeText, "Долгота");
  return input;
}

}  // namespace velora
