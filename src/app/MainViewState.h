#pragma once

#include <string>
#include <vector>

namespace velora {

// The program's windows besides the main one, in the order they are created at start-up.
enum class AppWindow {
  kHouses,          // TDOM
  kAspectSettings,  // TAspUst
  kFirstChart,      // TID1
  kSecondChart,     // TID2
  kItemSettings,    // TPlanUst
  kListing,         // TProsm
  kAspectGrid,      // TAspq
  kDatabase,        // TBase
  kCalendar,        // TKalendar
  kDirectionsDate,  // TDat2
  kScanStep,        // THsk
};

// A window a command shows or hides; the window front end carries these out in order.
struct WindowAction {
  AppWindow window;
  bool show = true;
  bool operator==(const WindowAction&) const = default;
};

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

// What the main window shows, as the commands leave it. The Qt window mirrors these fields after
// every command; tests read them to see what would be on screen.
struct MainViewState {
  bool pictureVisible = false;         // Image1
  bool textVisible = false;            // RichEdit1
  bool aboutVisible = true;            // GroupBox1
  bool scanningLabelVisible = false;   // Label1 "Сканирование"
  bool stepBackVisible = false;        // Button2 "<"
  bool stepForwardVisible = false;     // Button3 ">"
  bool interpretationVisible = false;  // Button4 "Интерпретация"
  bool interpretationEnabled = false;  // whether the current kind of chart has text yet
  bool showPictureVisible = false;     // Button5 "Карта"
  bool showTextVisible = false;        // Button6 "Текст"

  // The lines of the text view; `textRevision` grows whenever they are replaced or emptied.
  std::vector<std::string> textLines{""};
  int textRevision = 0;

  std::string listingCaption;  // TProsm
  std::string gridCaption;     // TAspq
  SecondChartArrangement secondChart;

  // Windows to show or hide, in order; the front end carries them out and empties the list.
  std::vector<WindowAction> windowActions;
};

}  // namespace velora
