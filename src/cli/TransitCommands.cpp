#include <iostream>
#include <string>

#include "app/CalendarCommand.h"
#include "app/HeadlessSession.h"
#include "cli/ChartOptions.h"
#include "cli/Commands.h"
#include "cli/ComputeSession.h"
#include "cli/DataDirectoryOption.h"
#include "cli/SettingsOptions.h"
#include "derived/TransitListing.h"

// velora-cli transits, calendar and fatigue: the day's transit listing, "Таблица транзитов" and
// "Расчет усталости" with the calendar's "Расчет ", each printing the lines the program writes.

namespace velora::cli {
namespace {

void RequireNoPositional(const ParsedOptions& options) {
  if (!options.positional().empty()) {
    throw UsageError("лишнее слово «" + options.positional().front() + "»");
  }
}

std::set<std::string> WithSettings(std::set<std::string> names) {
  names.merge(SettingsValueOptionNames());
  names.insert("houses");
  return names;
}

// The calendar's two dates from --from and --to; the order is checked as the window does.
void ApplyCalendarDates(const ParsedOptions& options, Workspace& workspace, bool fatigue) {
  CalendarDates& dates = workspace.settings.calendar;
  dates.first = DayDateFromOption(options, "from");
  dates.second = DayDateFromOption(options, "to");
  dates.forFatigue = fatigue;
  if (dates.OutOfOrder()) {
    throw UsageError(fatigue ? "--to: для календаря усталости Дата 2 должна быть позже Даты 1"
                             : "--to: Дата 2 должна быть не раньше Даты 1");
  }
}

}  // namespace

int RunTransitsCommand(const std::vector<std::string>& arguments) {
  std::set<std::string> valueOptions = WithSettings(ChartOptionNames());
  valueOptions.merge(ChartOptionNames("second-"));
  const ParsedOptions options(arguments, valueOptions, SettingsFlagOptionNames());
  RequireNoPositional(options);
  RecordingCanvas picture(529, 345);
  HeadlessSession session(picture);
  Workspace& workspace = session.workspace;
  ApplyFirstChartAndSettings(options, workspace);
  workspace.forms.second = ChartFormFromOptions(options, "second-");
  PrintLines(ListTransitsForDay(workspace));
  return kExitSuccess;
}

int RunCalendarCommand(const std::vector<std::string>& arguments) {
  std::set<std::string> valueOptions = WithSettings(ChartOptionNames());
  valueOptions.insert({"from", "to", "second-time", "data"});
  const ParsedOptions options(arguments, valueOptions, SettingsFlagOptionNames());
  RequireNoPositional(options);
  RecordingCanvas picture(529, 345);
  HeadlessSession session(picture);
  Workspace& workspace = session.workspace;
  ApplyFirstChartAndSettings(options, workspace);
  // The time of day of the second chart, as its window holds it (12:30 at start).
  ApplyTimeOption(options, "second-time", workspace.forms.second);
  // "Таблица транзитов" loads the glyph pictures again, as at start-up.
  workspace.resources.dataDirectory = DataDirectoryFromOptions(options);
  RunTransitTable(session.context);
  ApplyCalendarDates(options, workspace, false);
  const std::size_t before = session.view.textLines.size();
  RunCalendarCompute(session.context);
  PrintLines(session.view.textLines, before);
  return kExitSuccess;
}

int RunFatigueCommand(const std::vector<std::string>& arguments) {
  std::set<std::string> valueOptions = ChartOptionNames();
  valueOptions.insert({"from", "to", "name"});
  const ParsedOptions options(arguments, valueOptions, {});
  RequireNoPositional(options);
  RecordingCanvas picture(529, 345);
  HeadlessSession session(picture);
  Workspace& workspace = session.workspace;
  workspace.forms.first = ChartFormFromOptions(options);
  workspace.forms.first.name = options.value("name").value_or("");
  RunFatigueCalendar(session.context);
  ApplyCalendarDates(options, workspace, true);
  const std::size_t before = session.view.textLines.size();
  RunCalendarCompute(session.context);
  PrintLines(session.view.textLines, before);
  return kExitSuccess;
}

}  // namespace velora::cli
