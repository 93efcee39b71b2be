#include "interpretation/InterpretationDispatcher.h"

#include <array>
#include <string>

#include "derived/WeekdayName.h"
#include "interpretation/DirectionsComposer.h"
#include "interpretation/RadixComposers.h"
#include "interpretation/RadixEntryItems.h"
#include "interpretation/ReturnComposer.h"
#include "interpretation/TransitComposer.h"
#include "interpretation/WholeFileCopy.h"
#include "workspace/ChartKinds.h"

namespace velora {
namespace {

// A part of the text: a header or a composer. Each reads the forms and the settings itself.
using TextPart = void (*)(Workspace&, const std::filesystem::path&, InterpretationText&);

// The most parts one kind of chart writes: a header and four composers.
constexpr std::size_t kMostParts = 5;

// One kind of chart: what its text is made of, in order.
struct InterpretationRow {
  const char* chartKind;
  std::array<TextPart, kMostParts> parts;
};

// The second chart's month as the headers name it.
std::string MonthName(const ChartForm& form) {
  if (form.monthIndex() == ChartForm::kNoMonth) return "(месяц не выбран)";
  return kMonthNames[form.monthIndex()];
}

void WriteRadixHeader(Workspace& workspace, const std::filesystem::path& dataDirectory,
                      InterpretationText& out) {
  out.Append("Описание карты гороскопа   " + workspace.forms.first.name);
  out.Append("  ");
  AppendWholeFile(dataDirectory, kRadixPrefaceFile, out);
}

void WriteTransitHeader(Workspace& workspace, const std::filesystem::path&,
                        InterpretationText& out) {
  const ChartForm& second = workspace.forms.second;
  out.Append("Транзит  " + workspace.forms.first.name);
  out.Append("На  " + std::to_string(second.day()) + " " + MonthName(second) + " " +
             std::to_string(second.year()) + " " +
             std::string(WeekdayName(second.day(), second.monthIndex() + 1, second.year())));
  for (int line = 0; line < 3; ++line) out.Append("  ");
}

void WriteSolarHeader(Workspace& workspace, const std::filesystem::path&, InterpretationText& out) {
  out.Append("Описание карты Солнечного возвращения  " + workspace.forms.first.name);
  out.Append("На  " + std::to_string(workspace.forms.second.year()) + " год");
}

void WriteLunarHeader(Workspace& workspace, const std::filesystem::path&, InterpretationText& out) {
  const ChartForm& second = workspace.forms.second;
  out.Append("Лунар  " + workspace.forms.first.name);
  out.Append("На  " + std::to_string(second.day()) + " " + MonthName(second) + " " +
             std::to_string(second.year()));
}

void ComposeAdultRadix(Workspace& workspace, const std::filesystem::path& dataDirectory,
                       InterpretationText& out) {
  ComposeRadix(workspace, dataDirectory, RadixReader::kAdult, out);
}
void ComposeChildRadix(Workspace& workspace, const std::filesystem::path& dataDirectory,
                       InterpretationText& out) {
  ComposeRadix(workspace, dataDirectory, RadixReader::kChild, out);
}
void ComposeAdultAspects(Workspace& workspace, const std::filesystem::path& dataDirectory,
                         InterpretationText& out) {
  ComposeRadixAspects(workspace, dataDirectory, RadixReader::kAdult, out);
}
void ComposeChildAspects(Workspace& workspace, const std::filesystem::path& dataDirectory,
                         InterpretationText& out) {
  ComposeRadixAspects(workspace, dataDirectory, RadixReader::kChild, out);
}

void ComposeSolarReturn(Workspace& workspace, const std::filesystem::path& dataDirectory,
                        InterpretationText& out) {
  ComposeReturns(workspace, ReturnKind::kSolar, dataDirectory, out);
}
void ComposeLunarReturn(Workspace& workspace, const std::filesystem::path& dataDirectory,
                        InterpretationText& out) {
  ComposeReturns(workspace, ReturnKind::kLunar, dataDirectory, out);
}

// Every kind of chart that has a text. A kind missing here has none, and the interpretation
// button stays disabled for it.
const std::array kInterpretationRows = {
    InterpretationRow{chart_kinds::kRadix,
                      {WriteRadixHeader, ComposeAdultRadix, ComposeRulersInSigns,
                       ComposeRulersInHouses, ComposeAdultAspects}},
    InterpretationRow{chart_kinds::kChildRadix,
                      {WriteRadixHeader, ComposeChildRadix, ComposeChildAspects}},
    InterpretationRow{chart_kinds::kTransit, {WriteTransitHeader, ComposeTransit}},
    InterpretationRow{chart_kinds::kMedicalTransit, {WriteTransitHeader, ComposeTransit}},
    InterpretationRow{chart_kinds::kSolar, {WriteSolarHeader, ComposeSolarReturn}},
    InterpretationRow{chart_kinds::kLunar, {WriteLunarHeader, ComposeLunarReturn}},
    InterpretationRow{chart_kinds::kDirections, {ComposeDirections}},
};

const InterpretationRow* RowOf(std::string_view chartKind) {
  for (const InterpretationRow& row : kInterpretationRows) {
    if (chartKind == row.chartKind) return &row;
  }
  return nullptr;
}

}  // namespace

bool InterpretationAvailable(std::string_view chartKind) {
  return RowOf(chartKind) != nullptr;
}

void RunInterpretation(Workspace& workspace, std::string_view chartKind,
                       const std::filesystem::path& dataDirectory, InterpretationText& out) {
  out.Clear();
  const InterpretationRow* row = RowOf(chartKind);
  if (row == nullptr) return;
  for (TextPart part : row->parts) {
    if (part != nullptr) part(workspace, dataDirectory, out);
  }
}

}  // namespace velora
