#include <cstdio>
#include <iostream>

#include "app/ReturnCommands.h"
#include "cli/ChartOptions.h"
#include "cli/Commands.h"
#include "cli/ComputeSession.h"
#include "cli/ReturnOptions.h"

// velora-cli solar and lunar: the return searches of the second chart window, printing the
// moment found or the list of lunar returns as the window shows them.

namespace velora::cli {
namespace {

void ApplySecondWindow(const ParsedOptions& options, ChartForm& second) {
  second.setYear(WholeNumberOption(options, "year", ChartForm::kMinYear, ChartForm::kMaxYear));
  ApplySecondPlace(options, second);
}

std::set<std::string> ReturnCommandOptionNames() {
  std::set<std::string> names = ChartOptionNames();
  names.merge(ReturnOptionNames());
  names.insert({"houses", "name"});
  return names;
}

void RequireNoPositional(const ParsedOptions& options) {
  if (!options.positional().empty()) {
    throw UsageError("лишнее слово «" + options.positional().front() + "»");
  }
}

}  // namespace

std::set<std::string> ReturnOptionNames() {
  return {"year", "month", "second-day", "second-time", "second-lat", "second-lon"};
}

void RunSolarFromOptions(HeadlessSession& session, const ParsedOptions& options) {
  for (const char* lunarOnly : {"month", "second-day", "second-time"}) {
    if (options.has(lunarOnly)) {
      throw UsageError(std::string("--") + lunarOnly + " нужен только лунару");
    }
  }
  RunSolarReturn(session.context);
  ApplySecondWindow(options, session.workspace.forms.second);
  RunSolarReturnSearch(session.context);
}

void RunLunarFromOptions(HeadlessSession& session, const ParsedOptions& options) {
  RunLunarReturn(session.context);
  ChartForm& second = session.workspace.forms.second;
  ApplySecondWindow(options, second);
  second.setMonthIndex(WholeNumberOption(options, "month", 1, 12) - 1);
  second.setDay(WholeNumberOption(options, "second-day", ChartForm::kMinDay, ChartForm::kMaxDay,
                                  second.day()));
  ApplyTimeOption(options, "second-time", second);
  RunLunarReturnSearch(session.context);
  if (!session.view.notice.empty()) std::cerr << "velora-cli: " << session.view.notice << "\n";
}

namespace {

// A return command: the first chart from the options, the search, then what it prints.
using ReturnSearch = void (*)(HeadlessSession&, const ParsedOptions&);
using ReturnPrinter = void (*)(const HeadlessSession&);

int RunReturnCommand(const std::vector<std::string>& arguments, ReturnSearch search,
                     ReturnPrinter print) {
  const ParsedOptions options(arguments, ReturnCommandOptionNames(), {});
  RequireNoPositional(options);
  RecordingCanvas picture(529, 345);
  HeadlessSession session(picture);
  ApplyFirstChartAndSettings(options, session.workspace);
  search(session, options);
  print(session);
  return kExitSuccess;
}

void PrintSecondChartMoment(const HeadlessSession& session) {
  const ChartForm& second = session.workspace.forms.second;
  std::printf("%02d.%02d.%04d %02d:%02d\n", second.day(), second.monthIndex() + 1, second.year(),
              second.hour(), second.minute());
}

void PrintLunarList(const HeadlessSession& session) {
  PrintLines(session.view.secondChart.lunarList);
}

}  // namespace

int RunSolarCommand(const std::vector<std::string>& arguments) {
  return RunReturnCommand(arguments, RunSolarFromOptions, PrintSecondChartMoment);
}

int RunLunarCommand(const std::vector<std::string>& arguments) {
  return RunReturnCommand(arguments, RunLunarFromOptions, PrintLunarList);
}

}  // namespace velora::cli
