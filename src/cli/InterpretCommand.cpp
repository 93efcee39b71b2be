#include <iostream>
#include <string>

#include "app/DirectionsCommand.h"
#include "app/HeadlessSession.h"
#include "app/InterpretationCommand.h"
#include "app/ReturnCommands.h"
#include "app/RichText.h"
#include "cli/ChartOptions.h"
#include "cli/Commands.h"
#include "cli/DataDirectoryOption.h"
#include "cli/ReturnOptions.h"
#include "cli/SettingsOptions.h"
#include "common/FileBytes.h"
#include "common/UserError.h"

// velora-cli interpret: the interpretation as the program's text view holds it after start-up,
// the commands that draw the chart and "Интерпретация", with the default settings.

namespace velora::cli {
namespace {

using ChartCommands = void (*)(HeadlessSession&, const ParsedOptions&);

void DrawAdultRadix(HeadlessSession& session, const ParsedOptions&) {
  RunAdultRadix(session.context);
}

void DrawChildRadix(HeadlessSession& session, const ParsedOptions&) {
  RunChildRadix(session.context);
}

DirectionsAspectSet AspectSetFromOptions(const ParsedOptions& options) {
  const std::string set = options.value("aspect-set").value_or("6");
  if (set == "6") return DirectionsAspectSet::kSixMajor;
  if (set == "16") return DirectionsAspectSet::kSixteen;
  throw UsageError("--aspect-set: «" + set + "» — бывает 6 или 16");
}

// "Дирекции", the date and the aspect set chosen in the directions window, "Расчет".
void DrawDirections(HeadlessSession& session, const ParsedOptions& options) {
  RunDirections(session.context);
  DirectionsRequest& request = session.workspace.settings.directions;
  request.date = DayDateFromOption(options, "to");
  request.aspectSet = AspectSetFromOptions(options);
  RunDirectionsToDate(session.context);
}

// "Классический" or "Медицинский", the second chart typed in, "Добавить в карту".
void DrawTransit(HeadlessSession& session, const ParsedOptions& options, bool medical) {
  if (medical) {
    RunMedicalTransit(session.context);
  } else {
    RunClassicTransit(session.context);
  }
  const std::string name = session.workspace.forms.second.name;
  session.workspace.forms.second = ChartFormFromOptions(options, "second-");
  session.workspace.forms.second.name = name;
  ShowSecondChart(session.context);
}

void DrawClassicTransit(HeadlessSession& session, const ParsedOptions& options) {
  DrawTransit(session, options, false);
}

void DrawMedicalTransit(HeadlessSession& session, const ParsedOptions& options) {
  DrawTransit(session, options, true);
}

void DrawSolarReturn(HeadlessSession& session, const ParsedOptions& options) {
  RunSolarFromOptions(session, options);
}

// The lunar search, then a double-click on the chosen entry of its list.
void DrawLunarReturn(HeadlessSession& session, const ParsedOptions& options) {
  RunLunarFromOptions(session, options);
  const std::size_t listed = session.view.secondChart.lunarList.size();
  const int entry = WholeNumberOption(options, "entry", 1, 3, 1);
  if (static_cast<std::size_t>(entry) > listed) {
    throw UserError("--entry: в списке лунаров " + std::to_string(listed) + " строк(и), строки " +
                    std::to_string(entry) + " нет");
  }
  TakeLunarReturn(session.context, static_cast<std::size_t>(entry - 1));
}

// The menu commands that draw the chart whose text is asked for.
ChartCommands ChartCommandsOf(const std::string& kind) {
  if (kind == "radix") return DrawAdultRadix;
  if (kind == "radix-child") return DrawChildRadix;
  if (kind == "directions") return DrawDirections;
  if (kind == "transit") return DrawClassicTransit;
  if (kind == "transit-medical") return DrawMedicalTransit;
  if (kind == "solar") return DrawSolarReturn;
  if (kind == "lunar") return DrawLunarReturn;
  throw UsageError("--kind: вид толкования «" + kind +
                   "» неизвестен (radix, radix-child, directions, transit, transit-medical, "
                   "solar или lunar)");
}

bool EndsWith(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

void Emit(const std::string& outPath, const std::vector<std::string>& lines) {
  if (EndsWith(outPath, ".rtf")) {
    WriteFileAtomically(outPath, RichTextFromLines(lines));
    return;
  }
  std::string plain;
  for (const std::string& line : lines) plain += line + "\n";
  if (outPath.empty()) {
    std::cout << plain;
  } else {
    WriteFileAtomically(outPath, plain);
  }
}

}  // namespace

int RunInterpretCommand(const std::vector<std::string>& arguments) {
  std::set<std::string> valueOptions = ChartOptionNames();
  valueOptions.insert({"kind", "name", "houses", "data", "out", "to", "aspect-set"});
  valueOptions.merge(ChartOptionNames("second-"));
  valueOptions.merge(ReturnOptionNames());
  valueOptions.insert("entry");
  valueOptions.merge(SettingsValueOptionNames());
  const ParsedOptions options(arguments, valueOptions, SettingsFlagOptionNames());
  if (!options.positional().empty()) {
    throw UsageError("лишнее слово «" + options.positional().front() + "»");
  }
  const std::string kind = options.value("kind").value_or("radix");
  const ChartCommands drawChart = ChartCommandsOf(kind);
  if (kind == "directions") {
    DayDateFromOption(options, "to");
    AspectSetFromOptions(options);
  } else if (options.has("to") || options.has("aspect-set")) {
    throw UsageError("--to и --aspect-set нужны только для --kind directions");
  }
  if (kind != "solar" && kind != "lunar" && options.has("year")) {
    throw UsageError("--year нужен только для --kind solar и lunar");
  }
  if (kind != "lunar" && options.has("entry")) {
    throw UsageError("--entry нужен только для --kind lunar");
  }
  // The text does not depend on the picture; its size is that of a fresh main window.
  RecordingCanvas picture(529, 345);
  HeadlessSession session(picture);
  Workspace& workspace = session.workspace;
  workspace.forms.first = ChartFormFromOptions(options);
  workspace.forms.first.name = options.value("name").value_or("");
  workspace.settings.houseSystem = HouseSystemFromOptions(options);
  workspace.resources.dataDirectory = DataDirectoryFromOptions(options);
  ApplySettingsOptions(options, workspace.settings);

  const std::string outPath = options.value("out").value_or("");
  drawChart(session, options);
  try {
    RunInterpretationCommand(session.context);
  } catch (...) {
    Emit(outPath, session.view.textLines);
    throw;
  }
  Emit(outPath, session.view.textLines);
  return kExitSuccess;
}

}  // namespace velora::cli
