#pragma once

#include <string>
#include <vector>

namespace velora {

// Where the time note of the second chart window sits: its own row above the hour (the second
// chart arrangement), the row above latitude and longitude (solar), or 20 pixels above the
// longitude label (lunar).
enum class TimeNotePlace { kAboveHour, kAboveCoordinates, kAboveLongitudeLabel };

// The arrangement of the second chart window's controls that SecondChartMode, SolarMode and
// LunarMode switch between. Each field is a control of the window; the start values are those
// of a freshly opened window.
struct SecondChartArrangement {
  std::string monthLabel = "Месяц";            // Label3
  std::string dayLabel = "День   ";            // Label4
  std::string hourLabel = "Час";               // Label5
  std::string timeNote = "Время по гринвичу";  // Label6
  std::string minuteLabel = "Минуты";          // Label7
  TimeNotePlace timeNotePlace = TimeNotePlace::kAboveHour;
  bool monthVisible = true;            // ComboBox1
  bool dayHourMinuteVisible = true;    // SpinEdit2, SpinEdit3, SpinEdit4
  bool lunarPromptVisible = false;     // Label10
  bool addToChartVisible = true;       // Button1 "Добавить в карту"
  bool nowVisible = true;              // Button2 "На сейчас"
  bool solarSearchVisible = false;     // Button3 "Расчет Cоляра"
  bool lunarSearchVisible = true;      // Button4 "Расчет Лунара"
  bool lunarListVisible = false;       // ListBox1
  std::vector<std::string> lunarList;  // entries of ListBox1
};

}  // namespace velora
