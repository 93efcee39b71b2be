#include "app/SecondChartModes.h"

namespace velora {

void SecondChartMode(MainViewState& view) {
  SecondChartArrangement& window = view.secondChart;
  window.monthVisible = true;
  window.monthLabel = "Месяц";
  window.dayHourMinuteVisible = true;
  window.dayLabel = "День";
  window.hourLabel = "Час";
  window.timeNote = "Время по Гринвичу ";
  window.timeNotePlace = TimeNotePlace::kAboveHour;
  window.minuteLabel = "Минут";
  window.lunarPromptVisible = false;
  window.addToChartVisible = true;
  window.nowVisible = true;
  window.solarSearchVisible = false;
  window.lunarSearchVisible = false;
  window.lunarListVisible = false;
}

void SolarMode(Workspace& workspace, MainViewState& view) {
  SecondChartArrangement& window = view.secondChart;
  workspace.forms.second.name = "Соляр";
  window.monthVisible = false;
  window.monthLabel = "Выбери год Соляра";
  window.dayHourMinuteVisible = false;
  window.dayLabel = " ";
  window.hourLabel = " ";
  window.timeNote = "Широта и долгота Соляра ";
  window.timeNotePlace = TimeNotePlace::kAboveCoordinates;
  window.minuteLabel = " ";
  window.addToChartVisible = false;
  window.nowVisible = false;
  window.solarSearchVisible = true;
  window.lunarListVisible = false;
}

void LunarMode(Workspace& workspace, MainViewState& view) {
  SecondChartArrangement& window = view.secondChart;
  workspace.forms.second.name = "Лунар";
  window.monthVisible = true;
  window.dayHourMinuteVisible = false;
  window.dayLabel = " ";
  window.hourLabel = " ";
  window.timeNote = "Широта и долгота Лунара ";
  window.timeNotePlace = TimeNotePlace::kAboveLongitudeLabel;
  window.minuteLabel = " ";
  window.lunarPromptVisible = true;
  window.addToChartVisible = false;
  window.nowVisible = false;
  window.solarSearchVisible = false;
  window.lunarSearchVisible = true;
  window.lunarListVisible = true;
}

}  // namespace velora
