#include <iostream>
#include <string>

#include "app/DirectionsCommand.h"
#include "app/HeadlessSession.h"
#include "cli/ChartOptions.h"
#include "cli/Commands.h"
#include "cli/ComputeSession.h"
#include "cli/SettingsOptions.h"

// velora-cli directions: "Дирекции" and "Расчет" of the directions window for a date, printing
// the lines the computation appends to the text view (the table and the aspect lines).

namespace velora::cli {

int RunDirectionsCommand(const std::vector<std::string>& arguments) {
  std::set<std::string> valueOptions = ChartOptionNames();
  valueOptions.insert({"to", "houses"});
  valueOptions.merge(SettingsValueOptionNames());
  const ParsedOptions options(arguments, valueOptions, SettingsFlagOptionNames());
  if (!options.positional().empty()) {
    throw UsageError("лишнее слово «" + options.positional().front() + "»");
  }
  const DayDate target = DayDateFromOption(options, "to");
  RecordingCanvas picture(529, 345);
  HeadlessSession session(picture);
  Workspace& workspace = session.workspace;
  ApplyFirstChartAndSettings(options, workspace);

  RunDirections(session.context);
  workspace.settings.directions.date = target;
  const std::size_t linesBefore = session.view.textLines.size();
  RunDirectionsToDate(session.context);
  PrintLines(session.view.textLines, linesBefore);
  return kExitSuccess;
}

}  // namespace velora::cli
