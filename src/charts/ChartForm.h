#pragma once

#include <string>

#include "ephemeris/ChartInput.h"

namespace velora {

enum class Sex { kMale, kFemale };

// The values of one chart entry window. The integer fields keep the ranges of their spin edits:
// every write truncates toward zero and clamps, as the controls do. Latitude and longitude are
// kept as typed; they become numbers only when a chart is computed.
class ChartForm {
 public:
  static constexpr int kMinYear = 1880, kMaxYear = 2050;
  static constexpr int kMinDay = 1, kMaxDay = 31;
  static constexpr int kMaxHour = 23;
  static constexpr int kMaxMinute = 60;  // minute 60 counts as one more hour
  static constexpr int kNoMonth = -1;

  int year() const { return year_; }
  // 0..11 for January..December, kNoMonth when no month is chosen.
  int monthIndex() const { return monthIndex_; }
  int day() const { return day_; }
  int hour() const { return hour_; }
  int minute() const { return minute_; }

  void setYear(double value);
  void setMonthIndex(int index);
  void setDay(double value);
  void setHour(double value);
  void setMinute(double value);

  std::string latitudeText = "56.01";
  std::string longitudeText = "92.45";
  std::string name;
  Sex sex = Sex::kMale;

 private:
  int year_ = 1980;
  int monthIndex_ = kNoMonth;
  int day_ = 15;
  int hour_ = 12;
  int minute_ = 30;
};

// The month names of the month box, January first.
inline constexpr const char* kMonthNames[12] = {"Январь",   "Февраль", "Март",   "Апрель",
                                                "Май",      "Июнь",    "Июль",   "Август",
                                                "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};

// The form's values as a chart input: month = index + 1 (0 for no month), latitude and longitude
// converted from their texts. Throws UserError naming the field when a text is not a number.
ChartInput ReadChartInput(const ChartForm& form);

}  // namespace velora
