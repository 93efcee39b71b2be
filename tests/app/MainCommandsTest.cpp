#include <gtest/gtest.h>

#include <algorithm>

#include "app/CalendarCommand.h"
#include "app/DirectionsCommand.h"
#include "app/MainCommands.h"
#include "app/MainLayout.h"
#include "app/ReturnCommands.h"
#include "app/SecondChartModes.h"
#include "canvas/RecordingCanvas.h"
#include "common/UserError.h"
#include "wheel/WheelTestSupport.h"

namespace velora {
namespace {

// The surfaces of a main window of 571 x 466: a 471 x 336 picture.
class RecordingSurfaces : public CommandSurfaces {
 public:
  void LayoutMainWindow() override { ++layoutCount; }
  Canvas& picture() override { return picture_; }
  Canvas& listing() override { return listing_; }
  Canvas& grid() override { return grid_; }

  RecordingCanvas picture_{471, 336};
  RecordingCanvas listing_{300, 450};
  RecordingCanvas grid_{620, 540};
  int layoutCount = 0;
};

class MainCommandsTest : public ::testing::Test {
 protected:
  MainCommandsTest() { workspace.resources.glyphs = testing::NamedGlyphs(); }

  bool PictureHasText(const std::string& text) const {
    const auto texts = surfaces.picture_.OfKind(DrawnPrimitive::Kind::kText);
    return std::any_of(texts.begin(), texts.end(),
                       [&](const DrawnPrimitive& primitive) { return primitive.text == text; });
  }
  bool Shown(AppWindow window) const {
    return std::find(view.windowActions.begin(), view.windowActions.end(),
                     WindowAction{window, true}) != view.windowActions.end();
  }

  Workspace workspace;
  MainViewState view;
  RecordingSurfaces surfaces;
  CommandContext context{workspace, view, surfaces};
};

TEST_F(MainCommandsTest, StartStateShowsOnlyTheAboutBox) {
  EXPECT_TRUE(view.aboutVisible);
  EXPECT_FALSE(view.pictureVisible);
  EXPECT_FALSE(view.textVisible);
  EXPECT_FALSE(view.interpretationVisible);
  EXPECT_TRUE(workspace.chartKind.empty());
}

TEST_F(MainCommandsTest, AdultRadixDrawsTheChartAndOffersTheInterpretation) {
  RunAdultRadix(context);
  EXPECT_EQ(workspace.chartKind, "Радикс");
  EXPECT_TRUE(view.pictureVisible);
  EXPECT_FALSE(view.textVisible);
  EXPECT_FALSE(view.aboutVisible);
  EXPECT_TRUE(view.interpretationVisible);
  EXPECT_FALSE(view.stepForwardVisible);
  EXPECT_FALSE(view.scanningLabelVisible);
  EXPECT_EQ(surfaces.layoutCount, 1);
  // The picture was cleared first, then the wheel, the houses and the cusp list were drawn.
  const auto& drawn = surfaces.picture_.primitives();
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn.front().kind, DrawnPrimitive::Kind::kRectangle);
  EXPECT_FALSE(surfaces.picture_.OfKind(DrawnPrimitive::Kind::kEllipse).empty());
  EXPECT_TRUE(PictureHasText(" Плацидуса"));
  EXPECT_FALSE(testing::Named(drawn, "Sol").empty());
}

TEST_F(MainCommandsTest, ChildRadixSetsItsKind) {
  RunChildRadix(context);
  EXPECT_EQ(workspace.chartKind, "Радикс детский");
}

TEST_F(MainCommandsTest, ClassicTransitOpensTheSecondChartWithTheStepControls) {
  RunClassicTransit(context);
  EXPECT_EQ(workspace.chartKind, "Транзит");
  EXPECT_EQ(workspace.forms.second.name, "Транзит");
  EXPECT_TRUE(view.stepBackVisible);
  EXPECT_TRUE(view.stepForwardVisible);
  EXPECT_TRUE(view.scanningLabelVisible);
  EXPECT_TRUE(view.interpretationVisible);
  EXPECT_TRUE(view.pictureVisible);
  EXPECT_TRUE(Shown(AppWindow::kSecondChart));
  EXPECT_FALSE(view.secondChart.lunarSearchVisible);
  EXPECT_FALSE(view.secondChart.lunarPromptVisible);
  EXPECT_EQ(view.secondChart.timeNote, "Время по Гринвичу ");
}

TEST_F(MainCommandsTest, ClassicTransitIsDrawnWithoutHousesAndWithTheCaption) {
  RunClassicTransit(context);
  surfaces.picture_.Forget();
  ShowSecondChart(context);
  EXPECT_TRUE(PictureHasText("Транзит"));
  // Only the first chart's cusps: 12 purple lines, none of the second chart.
  const auto purple =
      testing::WithPen(surfaces.picture_.OfKind(DrawnPrimitive::Kind::kLine), colours::kPurple);
  EXPECT_EQ(purple.size(), 12u);
  EXPECT_TRUE(std::find(view.windowActions.begin(), view.windowActions.end(),
                        WindowAction{AppWindow::kSecondChart, false}) != view.windowActions.end());
}

TEST_F(MainCommandsTest, MedicalTransitIsDrawnWithHousesAndWithoutTheCaption) {
  RunMedicalTransit(context);
  EXPECT_EQ(workspace.forms.second.name, "Транзит медицинский");
  surfaces.picture_.Forget();
  ShowSecondChart(context);
  EXPECT_FALSE(PictureHasText("Транзит"));
  const auto purple =
      testing::WithPen(surfaces.picture_.OfKind(DrawnPrimitive::Kind::kLine), colours::kPurple);
  EXPECT_EQ(purple.size(), 24u);
}

TEST_F(MainCommandsTest, SecondChartDataLeavesTheChartKind) {
  RunAdultRadix(context);
  RunSecondChartData(context);
  EXPECT_EQ(workspace.chartKind, "Радикс");
  EXPECT_EQ(workspace.forms.second.name, "2-я карта");
  EXPECT_FALSE(view.pictureVisible);
  EXPECT_FALSE(view.interpretationVisible);
  surfaces.picture_.Forget();
  ShowSecondChart(context);
  EXPECT_FALSE(PictureHasText("Транзит"));
}

TEST_F(MainCommandsTest, StepForwardCarriesTheMonth) {
  RunClassicTransit(context);
  workspace.forms.second.setYear(2001);
  workspace.forms.second.setMonthIndex(1);
  workspace.forms.second.setDay(28);
  workspace.forms.second.setHour(12);
  workspace.forms.second.setMinute(30);
  StepSecondChart(context, +1);
  EXPECT_EQ(workspace.forms.second.day(), 1);
  EXPECT_EQ(workspace.forms.second.monthIndex(), 2);
  EXPECT_EQ(workspace.forms.second.year(), 2001);
  EXPECT_EQ(workspace.forms.second.hour(), 12);
  EXPECT_EQ(workspace.forms.second.minute(), 30);
  EXPECT_TRUE(PictureHasText("Транзит"));
  StepSecondChart(context, -1);
  EXPECT_EQ(workspace.forms.second.day(), 28);
  EXPECT_EQ(workspace.forms.second.monthIndex(), 1);
}

TEST_F(MainCommandsTest, TwentyFourHourStepsLandOnTheSameTimeNextDay) {
  RunClassicTransit(context);
  workspace.settings.scanStep = ScanStepChoice::kOneHour;
  workspace.forms.second.setYear(2001);
  workspace.forms.second.setMonthIndex(5);
  workspace.forms.second.setDay(15);
  workspace.forms.second.setHour(11);
  workspace.forms.second.setMinute(30);
  for (int press = 0; press < 24; ++press) StepSecondChart(context, +1);
  EXPECT_EQ(workspace.forms.second.day(), 16);
  EXPECT_EQ(workspace.forms.second.hour(), 11);
  EXPECT_EQ(workspace.forms.second.minute(), 30);
}

TEST_F(MainCommandsTest, StepBeforeNineteenHundredMovesExactlyOneDay) {
  workspace.forms.second.setYear(1890);
  workspace.forms.second.setMonthIndex(0);
  workspace.forms.second.setDay(10);
  StepSecondChart(context, +1);
  EXPECT_EQ(workspace.forms.second.day(), 11);
  StepSecondChart(context, -1);
  StepSecondChart(context, -1);
  EXPECT_EQ(workspace.forms.second.day(), 9);
}

TEST_F(MainCommandsTest, LatitudeThatIsNotANumberStopsTheCommandAfterTheWheel) {
  workspace.forms.first.latitudeText = "abc";
  try {
    RunAdultRadix(context);
    FAIL() << "no error";
  } catch (const UserError& error) {
    EXPECT_NE(std::string(error.what()).find("Широта"), std::string::npos);
  }
  EXPECT_EQ(workspace.chartKind, "Радикс");
  // The wheel drawn before the failure stays; the picture was not switched on.
  EXPECT_FALSE(surfaces.picture_.OfKind(DrawnPrimitive::Kind::kEllipse).empty());
  EXPECT_FALSE(view.pictureVisible);
}

TEST_F(MainCommandsTest, SolarAndLunarArrangeTheSecondChartWindow) {
  RunSolarReturn(context);
  EXPECT_EQ(workspace.chartKind, "Соляр");
  EXPECT_EQ(workspace.forms.second.name, "Соляр");
  EXPECT_FALSE(view.secondChart.monthVisible);
  EXPECT_TRUE(view.secondChart.solarSearchVisible);
  EXPECT_EQ(view.secondChart.monthLabel, "Выбери год Соляра");
  EXPECT_EQ(view.secondChart.timeNotePlace, TimeNotePlace::kAboveCoordinates);
  RunLunarReturn(context);
  EXPECT_EQ(workspace.chartKind, "Лунар");
  EXPECT_TRUE(view.secondChart.monthVisible);
  EXPECT_TRUE(view.secondChart.lunarListVisible);
  EXPECT_TRUE(view.secondChart.lunarSearchVisible);
  EXPECT_EQ(view.secondChart.timeNotePlace, TimeNotePlace::kAboveLongitudeLabel);
  SecondChartMode(view);
  EXPECT_EQ(view.secondChart.monthLabel, "Месяц");
  EXPECT_EQ(view.secondChart.dayLabel, "День");
  EXPECT_EQ(view.secondChart.minuteLabel, "Минут");
  EXPECT_EQ(view.secondChart.timeNote, "Время по Гринвичу ");
}

TEST_F(MainCommandsTest, PartnerWaitingDrawsTheRadixWithStepControls) {
  RunPartnerWaiting(context);
  EXPECT_EQ(workspace.chartKind, "Синастрия ожидания");
  EXPECT_TRUE(view.stepForwardVisible);
  EXPECT_FALSE(Shown(AppWindow::kSecondChart));
}

TEST_F(MainCommandsTest, SynastryKinds) {
  RunKarmicSynastry(context);
  EXPECT_EQ(workspace.chartKind, "Синастрия карма");
  RunEroticSynastry(context);
  EXPECT_EQ(workspace.chartKind, "Эротика");
  RunPartnershipSynastry(context);
  EXPECT_EQ(workspace.chartKind, "Синастрия партнерство");
  EXPECT_TRUE(Shown(AppWindow::kSecondChart));
}

TEST_F(MainCommandsTest, CalendarsAndDirectionsOpenTheirWindows) {
  view.textLines = {"старый текст"};
  RunFatigueCalendar(context);
  EXPECT_EQ(workspace.chartKind, "Усталость");
  EXPECT_TRUE(view.textVisible);
  EXPECT_EQ(view.textLines, std::vector<std::string>{""});
  EXPECT_TRUE(Shown(AppWindow::kCalendar));
  RunDirections(context);
  EXPECT_EQ(workspace.chartKind, "Дирекция");
  EXPECT_TRUE(Shown(AppWindow::kDirectionsDate));
}

TEST_F(MainCommandsTest, ListingAndGridWindowsGetTheirCaptions) {
  RunListRadix(context);
  EXPECT_EQ(view.listingCaption, "Радикс");
  EXPECT_FALSE(surfaces.listing_.OfKind(DrawnPrimitive::Kind::kText).empty());
  RunTransitAspectGrid(context);
  EXPECT_EQ(view.gridCaption, "Аспекты Транзита");
  RunCrossAspectGrid(context);
  EXPECT_EQ(view.gridCaption, "Аспекты взаимные");
  EXPECT_TRUE(Shown(AppWindow::kAspectGrid));
}

TEST_F(MainCommandsTest, SettingsWindowsHideThePicture) {
  RunAdultRadix(context);
  RunHouseSettings(context);
  EXPECT_FALSE(view.pictureVisible);
  EXPECT_FALSE(view.interpretationVisible);
  EXPECT_TRUE(Shown(AppWindow::kHouses));
  RunAbout(context);
  EXPECT_TRUE(view.aboutVisible);
}

TEST(MainLayoutTest, PictureAndButtonsFollowTheWindowSize) {
  const MainLayout layout = LayoutMainWindow(571, 466, 300, 141);
  EXPECT_EQ(layout.viewWidthPixels, 471);
  EXPECT_EQ(layout.viewHeightPixels, 336);
  EXPECT_EQ(layout.buttonTopPixels, 376);
  EXPECT_EQ(layout.scanningLabelTopPixels, 360);
  EXPECT_EQ(layout.aboutLeftPixels, 135);
  EXPECT_EQ(layout.aboutTopPixels, 162);
}

}  // namespace
}  // namespace velora

namespace velora {
namespace {

class DirectionsCommandTest : public MainCommandsTest {
 protected:
  DirectionsCommandTest() {
    workspace.forms.first.setMonthIndex(0);
    workspace.settings.directions.date = {8, 12, 2026};
  }
};

TEST_F(DirectionsCommandTest, ComputeAppendsTheTableEachTimeAndDrawsTheDirectedChart) {
  RunDirections(context);
  RunDirectionsToDate(context);
  EXPECT_EQ(workspace.chartKind, "Дирекция");
  EXPECT_TRUE(view.pictureVisible);
  EXPECT_FALSE(view.textVisible);
  EXPECT_TRUE(view.interpretationVisible);
  EXPECT_FALSE(view.stepForwardVisible);
  EXPECT_TRUE(PictureHasText("Дирекция на дату"));
  EXPECT_TRUE(PictureHasText("08.12.2026"));
  EXPECT_NE(std::find(view.windowActions.begin(), view.windowActions.end(),
                      WindowAction{AppWindow::kDirectionsDate, false}),
            view.windowActions.end());
  const auto arcLines = [&] {
    return std::count(view.textLines.begin(), view.textLines.end(), "Приращение =    46.90");
  };
  EXPECT_EQ(arcLines(), 1);
  EXPECT_EQ(view.textLines.front(), "");  // appended after what the view held
  RunDirectionsToDate(context);
  EXPECT_EQ(arcLines(), 2);
}

TEST_F(DirectionsCommandTest, ComputeRunsAfterAnotherCommandChangedTheKind) {
  RunDirections(context);
  RunAdultRadix(context);
  RunDirectionsToDate(context);
  EXPECT_EQ(workspace.chartKind, "Дирекция");
  EXPECT_NE(std::find(view.textLines.begin(), view.textLines.end(), "Приращение =    46.90"),
            view.textLines.end());
}

TEST_F(DirectionsCommandTest, AspectLinesUseTheListAndDrawAChordEach) {
  // Only the conjunction, every item, wide orbs: a zero arc conjoins every body with itself.
  workspace.settings.directions.date = {15, 1, 1980};
  while (workspace.settings.aspects.entryCount() > 0) {
    workspace.settings.aspects.Select(0);
    workspace.settings.aspects.RemoveSelected();
  }
  workspace.settings.aspects.Add("0");
  for (int box = 1; box <= kItemBoxCount; ++box) workspace.settings.items.setChecked(box, true);
  RunDirectionsToDate(context);
  const auto first = std::find(view.textLines.begin(), view.textLines.end(),
                               " Расчет аспектов дирекционных к радикс");
  ASSERT_NE(first, view.textLines.end());
  EXPECT_NE(std::find(first, view.textLines.end(), " Дирекц.  Солн   0.0 к Солн "),
            view.textLines.end());
  EXPECT_NE(std::find(first, view.textLines.end(), " Дирекц.  Вен    0.0 к Вен  "),
            view.textLines.end());
}

TEST_F(DirectionsCommandTest, NoMonthStopsWithAMessage) {
  workspace.forms.first.setMonthIndex(ChartForm::kNoMonth);
  EXPECT_THROW(RunDirectionsToDate(context), UserError);
  EXPECT_EQ(view.textLines.size(), 1u);
}

}  // namespace
}  // namespace velora

namespace velora {
namespace {

class CalendarCommandTest : public MainCommandsTest {
 protected:
  CalendarCommandTest() {
    workspace.forms.first.setMonthIndex(0);
    workspace.resources.dataDirectory = std::string(VELORA_SOURCE_DIR) + "/data";
  }
  bool Hidden(AppWindow window) const {
    return std::find(view.windowActions.begin(), view.windowActions.end(),
                     WindowAction{window, false}) != view.windowActions.end();
  }
};

TEST_F(CalendarCommandTest, DatesOutOfOrderKeepTheWindowOpenAndComputeNothing) {
  RunTransitTable(context);
  workspace.settings.calendar.first = {13, 12, 2026};
  workspace.settings.calendar.second = {6, 12, 2026};
  RunCalendarCompute(context);
  EXPECT_FALSE(Hidden(AppWindow::kCalendar));
  EXPECT_EQ(view.textLines.size(), 1u);
  // The fatigue calendar needs Date 2 after Date 1: equal dates are refused too.
  RunFatigueCalendar(context);
  workspace.settings.calendar.second = workspace.settings.calendar.first;
  RunCalendarCompute(context);
  EXPECT_EQ(view.textLines.size(), 1u);
}

TEST_F(CalendarCommandTest, TheTransitTableAndTheFatigueTableGoToTheTextView) {
  RunTransitTable(context);
  workspace.settings.calendar.first = {6, 12, 2026};
  workspace.settings.calendar.second = {7, 12, 2026};
  RunCalendarCompute(context);
  EXPECT_TRUE(Hidden(AppWindow::kCalendar));
  EXPECT_TRUE(view.textVisible);
  EXPECT_EQ(view.textLines[1], "Транзиты на Радикс 15.01.1980");
  RunFatigueCalendar(context);
  workspace.settings.calendar.second = {6, 1, 2027};
  RunCalendarCompute(context);
  EXPECT_EQ(view.textLines[1], "Дни усталости организма ");
}

}  // namespace
}  // namespace velora

namespace velora {
namespace {

class ReturnCommandsTest : public MainCommandsTest {
 protected:
  ReturnCommandsTest() { workspace.forms.first.setMonthIndex(0); }

  long PurpleLines() const {
    return static_cast<long>(
        testing::WithPen(surfaces.picture_.OfKind(DrawnPrimitive::Kind::kLine), colours::kPurple)
            .size());
  }
};

TEST_F(ReturnCommandsTest, TheSolarSearchDrawsTheReturnWithHousesAndItsCaption) {
  RunSolarReturn(context);
  workspace.forms.second.setYear(2026);
  surfaces.picture_.Forget();
  RunSolarReturnSearch(context);
  const ChartForm& second = workspace.forms.second;
  EXPECT_EQ((std::vector<int>{second.day(), second.monthIndex(), second.hour(), second.minute()}),
            (std::vector<int>{14, 0, 16, 30}));
  EXPECT_TRUE(PictureHasText("Соляр"));
  EXPECT_EQ(PurpleLines(), 24);  // the radix's cusps and the return's
  EXPECT_TRUE(view.pictureVisible);
  EXPECT_FALSE(view.textVisible);
  // Back in the second chart arrangement, the window hidden.
  EXPECT_TRUE(view.secondChart.addToChartVisible);
  EXPECT_FALSE(view.secondChart.solarSearchVisible);
  EXPECT_EQ(view.windowActions.back(), (WindowAction{AppWindow::kSecondChart, false}));
}

TEST_F(ReturnCommandsTest, ARefusedSolarReturnDrawsNothing) {
  workspace.forms.first.setYear(1984);
  workspace.forms.first.setMonthIndex(11);
  workspace.forms.first.setDay(31);
  workspace.forms.first.setHour(23);
  workspace.forms.first.setMinute(50);
  RunSolarReturn(context);
  workspace.forms.second.setYear(2050);
  surfaces.picture_.Forget();
  EXPECT_THROW(RunSolarReturnSearch(context), UserError);
  EXPECT_TRUE(surfaces.picture_.primitives().empty());
  EXPECT_TRUE(view.secondChart.solarSearchVisible);
}

TEST_F(ReturnCommandsTest, TheLunarListIsReadBackAndDrawnWithItsCaption) {
  RunLunarReturn(context);
  workspace.forms.second.setYear(2026);
  workspace.forms.second.setMonthIndex(11);
  view.textLines = {"старый текст"};
  RunLunarReturnSearch(context);
  EXPECT_EQ(view.textLines, (std::vector<std::string>{""}));
  ASSERT_EQ(view.secondChart.lunarList.size(), 3u);
  EXPECT_EQ(view.secondChart.lunarList[0], "  9.12.2026   13:59");
  EXPECT_TRUE(view.notice.empty());

  surfaces.picture_.Forget();
  TakeLunarReturn(context, 1);
  const ChartForm& second = workspace.forms.second;
  EXPECT_EQ((std::vector<int>{second.day(), second.monthIndex(), second.year(), second.hour(),
                              second.minute()}),
            (std::vector<int>{5, 0, 2027, 20, 6}));
  EXPECT_TRUE(PictureHasText("Лунар"));
  EXPECT_EQ(PurpleLines(), 24);
  // The window keeps its lunar arrangement and its list.
  EXPECT_TRUE(view.secondChart.lunarListVisible);
  EXPECT_EQ(view.secondChart.lunarList.size(), 3u);
  EXPECT_THROW(TakeLunarReturn(context, 3), UserError);
}

}  // namespace
}  // namespace velora
