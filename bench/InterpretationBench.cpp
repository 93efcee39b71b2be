#include <benchmark/benchmark.h>

#include "interpretation/InterpretationDispatcher.h"
#include "workspace/Workspace.h"

namespace velora {
namespace {

// The whole natal text of the default chart from the bundled library, as "Интерпретация" makes
// it after "Взрослый": six files read and deciphered, about 900 lines appended.
void RadixInterpretation(benchmark::State& state) {
  Workspace workspace;
  workspace.forms.first.setMonthIndex(0);
  ItemFlags flags;
  workspace.ApplyItemSettings(flags);
  const std::filesystem::path data = std::filesystem::path(VELORA_SOURCE_DIR) / "data";
  InterpretationText text;
  for (auto _ : state) {
    RunInterpretation(workspace, "Радикс", data, text);
    benchmark::DoNotOptimize(text.lines.data());
  }
  state.counters["lines"] = static_cast<double>(text.lines.size());
}
BENCHMARK(RadixInterpretation)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velora
