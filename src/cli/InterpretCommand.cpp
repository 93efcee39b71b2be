#include <iostream>
#include <string>

#include "app/HeadlessSession.h"
#include "app/InterpretationCommand.h"
#include "app/RichText.h"
#include "cli/ChartOptions.h"
#include "cli/Commands.h"
#include "cli/DataDirectoryOption.h"
#include "common/FileBytes.h"

// velora-cli interpret: the interpretation as the program's text view holds it right after
// start-up, "Взрослый" (or "Детский") and "Интерпретация" with the default settings.

namespace velora::cli {
namespace {

using MenuCommand = void (*)(CommandContext&);

// The menu command that draws the chart whose text is asked for.
MenuCommand ChartCommandOf(const std::string& kind) {
  if (kind == "radix") return RunAdultRadix;
  if (kind == "radix-child") return RunChildRadix;
  throw UsageError("--kind: вид толкования «" + kind + "» неизвестен (radix или radix-child)");
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
  valueOptions.insert({"kind", "name", "houses", "data", "out"});
  const ParsedOptions options(arguments, valueOptions, {});
  if (!options.positional().empty()) {
    throw UsageError("лишнее слово «" + options.positional().front() + "»");
  }
  const MenuCommand drawChart = ChartCommandOf(options.value("kind").value_or("radix"));
  // The text does not depend on the picture; its size is that of a fresh main window.
  RecordingCanvas picture(529, 345);
  HeadlessSession session(picture);
  Workspace& workspace = session.workspace;
  workspace.forms.first = ChartFormFromOptions(options);
  workspace.forms.first.name = options.value("name").value_or("");
  workspace.settings.houseSystem = HouseSystemFromOptions(options);
  workspace.resources.dataDirectory = DataDirectoryFromOptions(options);

  const std::string outPath = options.value("out").value_or("");
  drawChart(session.context);
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
