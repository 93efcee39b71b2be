#include "app/MainCommands.h"

#include "app/ChartPictures.h"

#include "app/SecondChartModes.h"
#include "aspects/CrossAspects.h"
#include "aspects/SeparationGrid.h"
#include "charts/FormMoment.h"
#include "wheel/ClearPicture.h"
#include "wheel/HouseCuspList.h"
#include "wheel/PositionList.h"

namespace velora {
namespace {

void Show(MainViewState& view, AppWindow window) {
  view.windowActions.push_back({window, true});
}
void Hide(MainViewState& view, AppWindow window) {
  view.windowActions.push_back({window, false});
}

// LayoutMainWindow, then the about box hidden: how every drawing command begins.
void LayoutAndHideAbout(CommandContext& context) {
  context.surfaces.LayoutMainWindow();
  context.view.aboutVisible = false;
}

void RadixSequence(CommandContext& context) {
  context.view.textVisible = false;
  DrawRadixPicture(context.workspace, context.surfaces.picture());
}

void InnerChartSequence(CommandContext& context) {
  context.view.textVisible = false;
  DrawInnerChart(context.workspace, context.surfaces.picture());
}

void WriteTransitCaption(Canvas& picture) {
  WriteSecondChartCaption(picture, chart_kinds::kTransit);
}

// The second chart on the outer ring, with its houses unless the work is a classic transit.
void DrawSecondChart(CommandContext& context) {
  Workspace& workspace = context.workspace;
  DrawOuterChart(workspace, context.surfaces.picture(),
                 workspace.chartKind != chart_kinds::kTransit);
}

void RunRadix(CommandContext& context, const char* kind) {
  MainViewState& view = context.view;
  LayoutAndHideAbout(context);
  context.workspace.chartKind = kind;
  RadixSequence(context);
  view.pictureVisible = true;
  view.textVisible = false;
  view.stepBackVisible = false;
  view.stepForwardVisible = false;
  view.scanningLabelVisible = false;
  view.interpretationVisible = true;
}

// The second chart window opened for a transit or a synastry, over the first chart drawn alone.
void RunWithSecondChart(CommandContext& context, const char* kind) {
  MainViewState& view = context.view;
  LayoutAndHideAbout(context);
  context.workspace.chartKind = kind;
  SecondChartMode(view);
  InnerChartSequence(context);
  SwitchStepControlsOn(view);
  view.secondChart.lunarPromptVisible = false;
  view.secondChart.lunarSearchVisible = false;
  Show(view, AppWindow::kSecondChart);
}

// The settings windows open over an empty main window.
void RunSettingsWindow(CommandContext& context, AppWindow window) {
  MainViewState& view = context.view;
  view.pictureVisible = false;
  view.textVisible = false;
  view.aboutVisible = false;
  view.interpretationVisible = false;
  Show(view, window);
}

void ReloadGlyphs(Workspace& workspace) {
  workspace.resources.glyphs = LoadGlyphBitmaps(workspace.resources.dataDirectory);
}

}  // namespace

void SwitchStepControlsOn(MainViewState& view) {
  view.textVisible = false;
  view.pictureVisible = true;
  view.stepBackVisible = true;
  view.stepForwardVisible = true;
  view.interpretationVisible = true;
  view.scanningLabelVisible = true;
}

void EmptyTextView(MainViewState& view) {
  view.textLines.assign(1, std::string());
  ++view.textRevision;
}

void RunAdultRadix(CommandContext& context) {
  RunRadix(context, chart_kinds::kRadix);
}
void RunChildRadix(CommandContext& context) {
  RunRadix(context, chart_kinds::kChildRadix);
}

void RunClassicTransit(CommandContext& context) {
  RunWithSecondChart(context, chart_kinds::kTransit);
  context.workspace.forms.second.name = chart_kinds::kTransit;
}

void RunMedicalTransit(CommandContext& context) {
  RunWithSecondChart(context, chart_kinds::kMedicalTransit);
  context.workspace.forms.second.name = chart_kinds::kMedicalTransit;
}

void RunSolarReturn(CommandContext& context) {
  MainViewState& view = context.view;
  LayoutAndHideAbout(context);
  context.workspace.chartKind = chart_kinds::kSolar;
  context.workspace.forms.second.name = chart_kinds::kSolar;
  view.secondChart.lunarPromptVisible = false;
  view.secondChart.lunarSearchVisible = false;
  view.interpretationVisible = true;
  SolarMode(context.workspace, view);
  Show(view, AppWindow::kSecondChart);
}

void RunLunarReturn(CommandContext& context) {
  MainViewState& view = context.view;
  LayoutAndHideAbout(context);
  context.workspace.chartKind = chart_kinds::kLunar;
  view.secondChart.lunarList.clear();
  context.workspace.forms.second.name = chart_kinds::kLunar;
  view.interpretationVisible = true;
  LunarMode(context.workspace, view);
  Show(view, AppWindow::kSecondChart);
}

void RunDirections(CommandContext& context) {
  context.workspace.chartKind = chart_kinds::kDirections;
  Show(context.view, AppWindow::kDirectionsDate);
  context.surfaces.LayoutMainWindow();
}

void RunPartnerWaiting(CommandContext& context) {
  LayoutAndHideAbout(context);
  context.workspace.chartKind = chart_kinds::kPartnerWaiting;
  RadixSequence(context);
  SwitchStepControlsOn(context.view);
}

void RunKarmicSynastry(CommandContext& context) {
  RunWithSecondChart(context, chart_kinds::kKarmicSynastry);
}

void RunEroticSynastry(CommandContext& context) {
  RunWithSecondChart(context, chart_kinds::kEroticSynastry);
}

void RunPartnershipSynastry(CommandContext& context) {
  RunWithSecondChart(context, chart_kinds::kPartnershipSynastry);
}

void RunFirstChartData(CommandContext& context) {
  RunSettingsWindow(context, AppWindow::kFirstChart);
}

void RunSecondChartData(CommandContext& context) {
  MainViewState& view = context.view;
  view.aboutVisible = false;
  view.pictureVisible = false;
  view.textVisible = false;
  SecondChartMode(view);
  view.secondChart.lunarPromptVisible = false;
  view.secondChart.lunarSearchVisible = false;
  view.secondChart.lunarListVisible = false;
  view.interpretationVisible = false;
  context.workspace.forms.second.name = "2-я карта";
  Show(view, AppWindow::kSecondChart);
}

void RunDatabase(CommandContext& context) {
  context.view.aboutVisible = false;
  Show(context.view, AppWindow::kDatabase);
}

void RunItemSettings(CommandContext& context) {
  RunSettingsWindow(context, AppWindow::kItemSettings);
}

void RunHouseSettings(CommandContext& context) {
  RunSettingsWindow(context, AppWindow::kHouses);
}

void RunAspectSettings(CommandContext& context) {
  RunSettingsWindow(context, AppWindow::kAspectSettings);
}

void RunScanStepSettings(CommandContext& context) {
  Show(context.view, AppWindow::kScanStep);
}

void RunFatigueCalendar(CommandContext& context) {
  MainViewState& view = context.view;
  context.workspace.chartKind = chart_kinds::kFatigue;
  context.workspace.settings.calendar.forFatigue = true;
  view.aboutVisible = false;
  EmptyTextView(view);
  view.textVisible = true;
  Show(view, AppWindow::kCalendar);
}

void RunTransitTable(CommandContext& context) {
  MainViewState& view = context.view;
  context.workspace.chartKind = chart_kinds::kTransit;
  context.workspace.settings.calendar.forFatigue = false;
  ReloadGlyphs(context.workspace);
  view.pictureVisible = false;
  view.stepBackVisible = false;
  view.stepForwardVisible = false;
  view.scanningLabelVisible = false;
  view.interpretationVisible = false;
  EmptyTextView(view);
  Show(view, AppWindow::kCalendar);
}

void RunAbout(CommandContext& context) {
  context.view.aboutVisible = true;
}

namespace {

void RunListing(CommandContext& context, const char* caption, ChartSource source) {
  context.view.listingCaption = caption;
  Show(context.view, AppWindow::kListing);
  Canvas& listing = context.surfaces.listing();
  ClearPicture(listing);
  ListChartPositions(context.workspace, listing, WheelChartOf(source),
                     ListingPlace::kListingWindow);
  ListHouseCusps(context.workspace, listing, source, ListingPlace::kListingWindow);
}

Canvas& OpenGrid(CommandContext& context, const char* caption) {
  context.view.gridCaption = caption;
  Show(context.view, AppWindow::kAspectGrid);
  Canvas& grid = context.surfaces.grid();
  ClearPicture(grid);
  DrawGridHeadings(context.workspace, grid);
  return grid;
}

}  // namespace

void RunListRadix(CommandContext& context) {
  RunListing(context, "Радикс", ChartSource::kFirstChart);
}
void RunListTransit(CommandContext& context) {
  RunListing(context, "Транзит", ChartSource::kSecondChart);
}

void RunRadixAspectGrid(CommandContext& context) {
  ReloadGlyphs(context.workspace);
  Canvas& grid = OpenGrid(context, "Аспекты радикса");
  DrawChartGrid(context.workspace, grid, ChartSource::kFirstChart);
}

void RunTransitAspectGrid(CommandContext& context) {
  Canvas& grid = OpenGrid(context, "Аспекты Транзита");
  DrawChartGrid(context.workspace, grid, ChartSource::kSecondChart);
}

void RunCrossAspectGrid(CommandContext& context) {
  Canvas& grid = OpenGrid(context, "Аспекты взаимные");
  DrawCrossGrid(context.workspace, grid);
}

void ShowPictureView(CommandContext& context) {
  context.view.pictureVisible = true;
  context.view.textVisible = false;
  context.surfaces.LayoutMainWindow();
}

void ShowTextView(CommandContext& context) {
  context.view.pictureVisible = false;
  context.view.textVisible = true;
}

void StepSecondChart(CommandContext& context, int direction) {
  Workspace& workspace = context.workspace;
  MainViewState& view = context.view;
  Canvas& picture = context.surfaces.picture();
  if (direction < 0) view.textVisible = false;
  LayoutAndHideAbout(context);
  InnerChartSequence(context);
  view.pictureVisible = true;
  view.textVisible = false;
  view.interpretationVisible = true;

  // The step moves the second chart by exactly the chosen number of minutes, months and years
  // carried, clamped to the window's year range.
  const long stepMinutes = ScanStepMinutes(workspace.settings.scanStep);
  ShiftFormMoment(workspace.forms.second, direction < 0 ? -stepMinutes : stepMinutes);

  workspace.ReadChartInputFrom(ChartSource::kSecondChart);
  Hide(view, AppWindow::kSecondChart);
  DrawSecondChart(context);
  WriteTransitCaption(picture);
  DrawCrossAspects(workspace, picture);
}

void ShowSecondChart(CommandContext& context) {
  Workspace& workspace = context.workspace;
  MainViewState& view = context.view;
  Canvas& picture = context.surfaces.picture();
  LayoutAndHideAbout(context);
  InnerChartSequence(context);
  DrawCrossAspects(workspace, picture);
  view.pictureVisible = true;
  view.textVisible = false;
  workspace.ReadChartInputFrom(ChartSource::kSecondChart);
  Hide(view, AppWindow::kSecondChart);
  DrawSecondChart(context);
  if (workspace.chartKind == chart_kinds::kTransit) WriteTransitCaption(picture);
}

}  // namespace velora
