#include <iostream>
#include <string>

#include "app/ChartKinds.h"
#include "app/RichText.h"
#include "app/Workspace.h"
#include "cli/ChartOptions.h"
#include "cli/Commands.h"
#include "cli/DataDirectoryOption.h"
#include "common/FileBytes.h"
#include "interpretation/InterpretationDispatcher.h"

// velora-cli interpret: the interpretation as the program's text view holds it right after
// start-up, "Взрослый" (or "Детский") and "Интерпретация" with the default settings.

namespace velora::cli {
namespace {

std::string ChartKindOf(const std::string& kind) {
  if (kind == "radix") return chart_kinds::kRadix;
  if (kind == "radix-child") return chart_kinds::kChildRadix;
  throw UsageError("--kind: вид толкования «" + kind + "» неизвестен (radix или radix-child)");
}

bool EndsWith(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

void Emit(const std::string& outPath, const InterpretationText& text) {
  if (EndsWith(outPath, ".rtf")) {
    WriteFileAtomically(outPath, RichTextFromLines(text.lines));
    return;
  }
  std::string plain;
  for (const std::string& line : text.lines) plain += line + "\n";
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
  const std::string chartKind = ChartKindOf(options.value("kind").value_or("radix"));
  Workspace workspace;
  workspace.firstChart = ChartFormFromOptions(options);
  workspace.firstChart.name = options.value("name").value_or("");
  workspace.houseSystem = HouseSystemFromOptions(options);

  // The chart drawing that precedes the button has read the item settings into the orbs.
  ItemFlags flags;
  workspace.ApplyItemSettings(flags);

  InterpretationText text;
  try {
    RunInterpretation(workspace, chartKind, DataDirectoryFromOptions(options), text);
  } catch (...) {
    Emit(options.value("out").value_or(""), text);
    throw;
  }
  Emit(options.value("out").value_or(""), text);
  return kExitSuccess;
}

}  // namespace velora::cli
