#include "app/CalendarCommand.h"

#include "derived/FatigueCalendar.h"
#include "derived/TransitCalendar.h"

namespace velora {

void RunCalendarCompute(CommandContext& context) {
  Workspace& workspace = context.workspace;
  MainViewState& view = context.view;
  if (workspace.settings.calendar.OutOfOrder()) return;
  view.windowActions.push_back({AppWindow::kCalendar, false});
  const bool fatigue = workspace.chartKind == chart_kinds::kFatigue;
  const std::vector<std::string> lines =
      fatigue ? FatigueCalendarLines(workspace) : TransitCalendarLines(workspace);
  view.textLines.insert(view.textLines.end(), lines.begin(), lines.end());
  ++view.textRevision;
  view.textVisible = true;
  view.pictureVisible = false;
}

}  // namespace velora
