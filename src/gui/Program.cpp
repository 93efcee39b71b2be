#include "gui/Program.h"

#include "app/CalendarCommand.h"
#include "app/DirectionsCommand.h"

#include <exception>

#include "canvas/GlyphPictures.h"
#include "common/DecimalText.h"
#include "common/UserError.h"
#include "gui/AspectGridWindow.h"
#include "gui/AspectSettingsWindow.h"
#include "gui/CalendarWindow.h"
#include "gui/DatabaseWindow.h"
#include "gui/DirectionsDateWindow.h"
#include "gui/FirstChartWindow.h"
#include "gui/GuiSupport.h"
#include "gui/HousesWindow.h"
#include "gui/ItemSettingsWindow.h"
#include "gui/ListingWindow.h"
#include "gui/MainWindow.h"
#include "gui/PictureView.h"
#include "gui/ScanStepWindow.h"
#include "gui/SecondChartWindow.h"
#include "interpretation/InterpretationDispatcher.h"

namespace velora::gui {
namespace {

// Names the entry windows whose place is not a number, so the user knows where to correct it.
QString WhereToLook(const Workspace& workspace) {
  QString windows;
  const auto check = [&windows](const ChartForm& form, const char* caption) {
    if (!ParseDecimal(form.latitudeText) || !ParseDecimal(form.longitudeText)) {
      windows += QString(windows.isEmpty() ? "" : ", ") + "«" + caption + "»";
    }
  };
  check(workspace.forms.first, "Исходные-Данные");
  check(workspace.forms.second, "2 -я Карта");
  return windows.isEmpty() ? QString() : "\n\nИсправьте широту и долготу в окне " + windows + ".";
}

}  // namespace

Program::Program(std::filesystem::path dataDirectory) {
  // The main window first; while it is made it lays itself out, then the data folder is
  // recorded and the glyph pictures are loaded.
  mainWindow_ = std::make_unique<MainWindow>(*this);
  workspace_.resources.dataDirectory = std::move(dataDirectory);
  try {
    workspace_.resources.glyphs = LoadGlyphBitmaps(workspace_.resources.dataDirectory);
  } catch (const UserError& error) {
    startupProblem_ = FromUtf8(error.what()) +
                      "\n\nКарты будут нарисованы без значков знаков и планет. Укажите папку, в "
                      "которой лежит Dann, параметром --data ПАПКА.";
  }
  QWidget* owner = mainWindow_.get();
  housesWindow_ = new HousesWindow(owner, workspace_);
  aspectSettingsWindow_ = new AspectSettingsWindow(owner, workspace_);
  firstChartWindow_ = new FirstChartWindow(owner, *this);
  secondChartWindow_ = new SecondChartWindow(owner, *this);
  itemSettingsWindow_ = new ItemSettingsWindow(owner, workspace_);
  listingWindow_ = new ListingWindow(owner);
  aspectGridWindow_ = new AspectGridWindow(owner);
  databaseWindow_ = new DatabaseWindow(owner, *this);
  calendarWindow_ =
      new CalendarWindow(owner, workspace_.settings.calendar, [this] { Run(RunCalendarCompute); });
  directionsDateWindow_ = new DirectionsDateWindow(owner, workspace_.settings.directions,
                                                   [this] { Run(RunDirectionsToDate); });
  scanStepWindow_ = new ScanStepWindow(owner, workspace_);
  secondChartWindow_->ApplyArrangement(view_.secondChart);
}

Program::~Program() = default;

void Program::Start() {
  mainWindow_->show();
  if (!startupProblem_.isEmpty()) {
    ReportProblem(mainWindow_.get(), "Велора: картинки не загружены", startupProblem_);
  }
}

void Program::Run(const std::function<void(CommandContext&)>& command) {
  CommandContext context{workspace_, view_, *this};
  QString problem;
  try {
    command(context);
  } catch (const UserError& error) {
    problem = FromUtf8(error.what()) + WhereToLook(workspace_);
  } catch (const std::exception& error) {
    problem = "Команда прервана из-за внутренней ошибки: " + FromUtf8(error.what());
  }
  Sync();
  if (!problem.isEmpty()) ReportProblem(mainWindow_.get(), "Велора", problem);
  if (!view_.notice.empty()) {
    const QString notice = FromUtf8(view_.notice);
    view_.notice.clear();
    ReportProblem(mainWindow_.get(), "Велора", notice);
  }
}

void Program::Sync() {
  view_.interpretationEnabled = InterpretationAvailable(workspace_.chartKind);
  mainWindow_->ApplyView(view_);
  firstChartWindow_->LoadFromForm();
  secondChartWindow_->LoadFromForm();
  aspectSettingsWindow_->ShowEntries();
  secondChartWindow_->ApplyArrangement(view_.secondChart);
  calendarWindow_->LoadFromDates();
  directionsDateWindow_->LoadFromRequest();
  if (!view_.listingCaption.empty()) {
    listingWindow_->setWindowTitle(FromUtf8(view_.listingCaption));
  }
  if (!view_.gridCaption.empty()) {
    aspectGridWindow_->setWindowTitle(FromUtf8(view_.gridCaption));
  }
  listingWindow_->update();
  aspectGridWindow_->update();
  CarryOutWindowActions();
}

void Program::CarryOutWindowActions() {
  const std::vector<WindowAction> actions = std::move(view_.windowActions);
  view_.windowActions.clear();
  for (const WindowAction& action : actions) {
    QWidget* window = windowOf(action.window);
    if (!action.show) {
      window->hide();
    } else if (action.window == AppWindow::kDatabase) {
      databaseWindow_->Open();
    } else {
      window->show();
      window->raise();
      window->activateWindow();
    }
  }
}

void Program::LayoutMainWindow() {
  mainWindow_->Layout();
}
Canvas& Program::picture() {
  return mainWindow_->picture().canvas();
}
Canvas& Program::listing() {
  return listingWindow_->picture().canvas();
}
Canvas& Program::grid() {
  return aspectGridWindow_->picture().canvas();
}

QWidget* Program::windowOf(AppWindow window) {
  switch (window) {
    case AppWindow::kHouses:
      return housesWindow_;
    case AppWindow::kAspectSettings:
      return aspectSettingsWindow_;
    case AppWindow::kFirstChart:
      return firstChartWindow_;
    case AppWindow::kSecondChart:
      return secondChartWindow_;
    case AppWindow::kItemSettings:
      return itemSettingsWindow_;
    case AppWindow::kListing:
      return listingWindow_;
    case AppWindow::kAspectGrid:
      return aspectGridWindow_;
    case AppWindow::kDatabase:
      return databaseWindow_;
    case AppWindow::kCalendar:
      return calendarWindow_;
    case AppWindow::kDirectionsDate:
      return directionsDateWindow_;
    case AppWindow::kScanStep:
      return scanStepWindow_;
  }
  return nullptr;
}

}  // namespace velora::gui
