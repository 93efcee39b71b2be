#pragma once

#include <string>
#include <vector>

#include "app/SecondChartArrangement.h"

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

  // A message for the user that does not end the command (a list shorter than asked for, say);
  // the front end shows it once and empties it.
  std::string notice;

  // Windows to show or hide, in order; the front end carries them out and empties the list.
  std::vector<WindowAction> windowActions;
};

}  // namespace velora
