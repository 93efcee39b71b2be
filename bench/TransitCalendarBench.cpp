#include <benchmark/benchmark.h>

#include "derived/TransitCalendar.h"
#include "workspace/Workspace.h"

namespace velora {
namespace {

// A year of the daily transit calendar for the default chart with the start-up settings.
void TransitCalendarYear(benchmark::State& state) {
  Workspace workspace;
  workspace.forms.first.setMonthIndex(0);
  workspace.settings.calendar.first = {31, 12, 2025};
  workspace.settings.calendar.second = {31, 12, 2026};
  std::size_t lines = 0;
  for (auto _ : state) {
    const std::vector<std::string> calendar = TransitCalendarLines(workspace);
    lines = calendar.size();
    benchmark::DoNotOptimize(calendar.data());
  }
  state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(TransitCalendarYear)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velora
