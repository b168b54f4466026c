#include "calc/spotting.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace velmora;

// Rolling ground of the given length with a point every 10 m, three tower types (max wind spans
// 300–420 m), two road crossings, a wire hanging as a maximum-temperature template does, and the
// candidate sites 5 m apart.
SpottingInput RollingLine(double km)
{
    SpottingInput in;
    const double length = km * 1000;
    for (double x = 0; x <= length; x += 10)
        in.ground.push_back(
            {x, 150 + 15 * std::sin(x / 700) + 8 * std::sin(x / 230 + 1) + 3 * std::sin(x / 61)});
    in.types = {{"P", 19, 1.0, 300, 400, 0},
                {"PT", 24, 1.3, 360, 500, -50},
                {"PTT", 30, 1.8, 420, 600, -100}};
    in.first = {0, 2};
    in.last = {length, 2};
    for (double x = 1234; x < length; x += 4000)
        in.crossings.push_back({x, 165 + 15 * std::sin(x / 700), 2, "road"});
    in.sigmaTemplate = 4.5;
    in.gammaTemplate = 3.5e-3;
    in.sigmaCold = 7;
    in.gammaCold = 3.5e-3;
    in.clearance = 7;
    in.grid = 5;
    return in;
}

void BM_SpotRollingLine(benchmark::State &state)
{
    const SpottingInput in = RollingLine(static_cast<double>(state.range(0)));
    SpottingResult result;
    for (auto _ : state) {
        result = SpotTowers(in);
        benchmark::DoNotOptimize(result.cost);
    }
    state.counters["towers"] = static_cast<double>(result.towers.size());
    state.counters["sites"] = static_cast<double>(result.sites);
    state.counters["spans"] = static_cast<double>(result.spansExamined);
}
BENCHMARK(BM_SpotRollingLine)
    ->ArgName("km")
    ->Arg(2)
    ->Arg(5)
    ->Arg(10)
    ->Arg(20)
    ->Unit(benchmark::kMillisecond);
// The 50 km goal: one run is enough.
BENCHMARK(BM_SpotRollingLine)->ArgName("km")->Arg(50)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
