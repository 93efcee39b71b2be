#include "interpretation/InterpretationDispatcher.h"

#include <initializer_list>
#include <string>

#include "app/ChartKinds.h"
#include "derived/WeekdayName.h"
#include "interpretation/RadixComposers.h"
#include "interpretation/RadixEntryItems.h"
#include "interpretation/WholeFileCopy.h"

namespace velora {
namespace {

// The second chart's month as the headers name it.
std::string MonthName(const ChartForm& form) {
  if (form.monthIndex() == ChartForm::kNoMonth) return "(месяц не выбран)";
  return kMonthNames[form.monthIndex()];
}

void WriteRadixHeader(Workspace& workspace, const std::filesystem::path& dataDirectory,
                      InterpretationText& out) {
  out.Append("Описание карты гороскопа   " + workspace.firstChart.name);
  out.Append("  ");
  AppendWholeFile(dataDirectory, kRadixPrefaceFile, out);
}

void WriteTransitHeader(const Workspace& workspace, InterpretationText& out) {
  const ChartForm& second = workspace.secondChart;
  out.Append("Транзит  " + workspace.firstChart.name);
  out.Append("На  " + std::to_string(second.day()) + " " + MonthName(second) + " " +
             std::to_string(second.year()) + " " +
             std::string(WeekdayName(second.day(), second.monthIndex() + 1, second.year())));
  for (int line = 0; line < 3; ++line) out.Append("  ");
}

}  // namespace

bool InterpretationAvailable(std::string_view chartKind) {
  using namespace chart_kinds;
  for (const char* kind : {kRadix, kChildRadix, kTransit, kMedicalTransit, kSolar, kLunar}) {
    if (chartKind == kind) return true;
  }
  return false;
}

void RunInterpretation(Workspace& workspace, std::string_view chartKind,
                       const std::filesystem::path& dataDirectory, InterpretationText& out) {
  out.Clear();
  const ChartForm& second = workspace.secondChart;
  using namespace chart_kinds;
  if (chartKind == kRadix) {
    WriteRadixHeader(workspace, dataDirectory, out);
    ComposeRadix(workspace, dataDirectory, RadixReader::kAdult, out);
    ComposeRulersInSigns(workspace, dataDirectory, out);
    ComposeRulersInHouses(workspace, dataDirectory, out);
    ComposeRadixAspects(workspace, dataDirectory, RadixReader::kAdult, out);
  } else if (chartKind == kChildRadix) {
    WriteRadixHeader(workspace, dataDirectory, out);
    ComposeRadix(workspace, dataDirectory, RadixReader::kChild, out);
    ComposeRadixAspects(workspace, dataDirectory, RadixReader::kChild, out);
  } else if (chartKind == kTransit || chartKind == kMedicalTransit) {
    WriteTransitHeader(workspace, out);
  } else if (chartKind == kSolar) {
    out.Append("Описание карты Солнечного возвращения  " + workspace.firstChart.name);
    out.Append("На  " + std::to_string(second.year()) + " год");
  } else if (chartKind == kLunar) {
    out.Append("Лунар  " + workspace.firstChart.name);
    out.Append("На  " + std::to_string(second.day()) + " " + MonthName(second) + " " +
               std::to_string(second.year()));
  }
}

}  // namespace velora
