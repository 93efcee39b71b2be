#pragma once

#include <QString>
#include <filesystem>
#include <functional>
#include <memory>

#include "app/MainCommands.h"
#include "app/MainViewState.h"
#include "workspace/Workspace.h"

class QWidget;

namespace velora::gui {

class MainWindow;
class HousesWindow;
class AspectSettingsWindow;
class FirstChartWindow;
class SecondChartWindow;
class ItemSettingsWindow;
class ListingWindow;
class AspectGridWindow;
class DatabaseWindow;
class CalendarWindow;
class DirectionsDateWindow;
class ScanStepWindow;

// The whole program: the workspace, the main window's view state and every window, created once
// in this order: main window (which lays itself out, records the data folder and loads the glyph
// pictures), houses, aspect settings, first chart, second chart, inclusion and orbs, listing,
// separation tables, database, calendar, directions date, scan step. Only the main window is
// shown. Closing the main window ends the program.
class Program : public CommandSurfaces {
 public:
  explicit Program(std::filesystem::path dataDirectory);
  ~Program() override;
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Shows the main window and reports a start-up problem (missing glyph pictures).
  void Start();

  // Runs one command of the main window: a UserError is shown with the window's title and ends
  // the command; afterwards every window mirrors the state.
  void Run(const std::function<void(CommandContext&)>& command);

  // Brings every window in line with the workspace and the view state and carries out the
  // window actions the last command asked for.
  void Sync();

  // CommandSurfaces
  void LayoutMainWindow() override;
  Canvas& picture() override;
  Canvas& listing() override;
  Canvas& grid() override;

  Workspace& workspace() { return workspace_; }
  MainViewState& view() { return view_; }
  const QString& startupProblem() const { return startupProblem_; }

  MainWindow& mainWindow() { return *mainWindow_; }
  HousesWindow& housesWindow() { return *housesWindow_; }
  AspectSettingsWindow& aspectSettingsWindow() { return *aspectSettingsWindow_; }
  FirstChartWindow& firstChartWindow() { return *firstChartWindow_; }
  SecondChartWindow& secondChartWindow() { return *secondChartWindow_; }
  ItemSettingsWindow& itemSettingsWindow() { return *itemSettingsWindow_; }
  ListingWindow& listingWindow() { return *listingWindow_; }
  AspectGridWindow& aspectGridWindow() { return *aspectGridWindow_; }
  DatabaseWindow& databaseWindow() { return *databaseWindow_; }
  CalendarWindow& calendarWindow() { return *calendarWindow_; }
  DirectionsDateWindow& directionsDateWindow() { return *directionsDateWindow_; }
  ScanStepWindow& scanStepWindow() { return *scanStepWindow_; }

  // The window of an AppWindow value.
  QWidget* windowOf(AppWindow window);

 private:
  void CarryOutWindowActions();

  Workspace workspace_;
  MainViewState view_;
  QString startupProblem_;
  std::unique_ptr<MainWindow> mainWindow_;
  // The other windows belong to the main window (Qt parent) and close with it.
  HousesWindow* housesWindow_ = nullptr;
  AspectSettingsWindow* aspectSettingsWindow_ = nullptr;
  FirstChartWindow* firstChartWindow_ = nullptr;
  SecondChartWindow* secondChartWindow_ = nullptr;
  ItemSettingsWindow* itemSettingsWindow_ = nullptr;
  ListingWindow* listingWindow_ = nullptr;
  AspectGridWindow* aspectGridWindow_ = nullptr;
  DatabaseWindow* databaseWindow_ = nullptr;
  CalendarWindow* calendarWindow_ = nullptr;
  DirectionsDateWindow* directionsDateWindow_ = nullptr;
  ScanStepWindow* scanStepWindow_ = nullptr;
};

}  // namespace velora::gui
