#include <benchmark/benchmark.h>

#include "ephemeris/BodyDriver.h"
#include "ephemeris/HouseSystems.h"
#include "workspace/Workspace.h"

namespace velora {
namespace {

// One whole chart as every command computes it: 16 bodies and the Placidus cusps.
void WholeChart(benchmark::State& state) {
  ChartInput form;
  form.year = 1980;
  form.month = 1;
  form.day = 15;
  form.hour = 12;
  form.minute = 30;
  form.latitude = 56.01;
  form.longitude = 92.45;
  for (auto _ : state) {
    ChartInput input = form;
    PlanetLongitudes longitudes;
    HouseCusps cusps;
    ComputeAllBodies(input, longitudes);
    ComputeHouses(form, 'P', cusps, BodyState{input, longitudes});
    benchmark::DoNotOptimize(longitudes);
    benchmark::DoNotOptimize(cusps);
    form.minute = form.minute == 30 ? 31 : 30;
  }
}
BENCHMARK(WholeChart);

void BodiesOnly(benchmark::State& state) {
  ChartInput form;
  form.year = 1980;
  form.month = 1;
  form.day = 15;
  form.hour = 12;
  form.minute = 30;
  for (auto _ : state) {
    ChartInput input = form;
    PlanetLongitudes longitudes;
    ComputeAllBodies(input, longitudes);
    benchmark::DoNotOptimize(longitudes);
  }
}
BENCHMARK(BodiesOnly);

}  // namespace
}  // namespace velora

BENCHMARK_MAIN();
