#include "app/ReturnCommands.h"

#include "app/ChartPictures.h"
#include "app/SecondChartModes.h"
#include "aspects/CrossAspects.h"
#include "common/UserError.h"
#include "derived/LunarReturnSearch.h"
#include "derived/SolarReturnSearch.h"
#include "workspace/ChartKinds.h"

namespace velora {
namespace {

// The return in the second window drawn around the radix: the radix with its houses, the cross
// aspects, then the return's bodies, positions, houses and cusps, and the caption.
void DrawReturnAroundRadix(CommandContext& context, const char* caption) {
  Workspace& workspace = context.workspace;
  MainViewState& view = context.view;
  Canvas& picture = context.surfaces.picture();
  DrawInnerChart(workspace, picture);
  DrawCrossAspects(workspace, picture);
  view.pictureVisible = true;
  view.textVisible = false;
  workspace.ReadChartInputFrom(ChartSource::kSecondChart);
  view.windowActions.push_back({AppWindow::kSecondChart, false});
  DrawOuterChart(workspace, picture, true);
  WriteSecondChartCaption(picture, caption);
}

}  // namespace

void RunSolarReturnSearch(CommandContext& context) {
  Workspace& workspace = context.workspace;
  SolarReturnSearch(workspace.forms.first, workspace.forms.second);
  DrawReturnAroundRadix(context, chart_kinds::kSolar);
  SecondChartMode(context.view);
}

void RunLunarReturnSearch(CommandContext& context) {
  Workspace& workspace = context.workspace;
  MainViewState& view = context.view;
  EmptyTextView(view);
  view.secondChart.lunarList.clear();
  view.secondChart.lunarListVisible = true;
  LunarReturnList list = LunarReturnSearch(workspace.forms.first, workspace.forms.second);
  view.secondChart.lunarList = std::move(list.entries);
  view.notice = std::move(list.shortNotice);
}

void TakeLunarReturn(CommandContext& context, std::size_t index) {
  MainViewState& view = context.view;
  const std::vector<std::string>& entries = view.secondChart.lunarList;
  if (index >= entries.size()) {
    throw UserError("В списке лунаров нет строки " + std::to_string(index + 1) + ".");
  }
  const SearchMoment moment = ReadLunarListEntry(entries[index]);
  ChartForm& second = context.workspace.forms.second;
  second.setDay(moment.day);
  second.setMonthIndex(moment.month - 1);
  second.setYear(moment.year);
  second.setHour(moment.hour);
  second.setMinute(moment.minute);
  DrawReturnAroundRadix(context, chart_kinds::kLunar);
  view.secondChart.timeNotePlace = TimeNotePlace::kAboveLongitudeLabel;
}

}  // namespace velora
