#include "bench_inputs.h"

#include "calc/driver.h"

#include <benchmark/benchmark.h>

namespace {

using namespace velmora;

// A full calculation without report: 601 spans (10 m to 6010 m by 10 m) × 17 modes.
void BM_CalcProject601Spans17Modes(benchmark::State &state)
{
    const bench::BenchInput in = bench::LargestRange();
    CalcRun run;
    for (auto _ : state) {
        const CalcOutcome outcome
            = CalcProject(in.project, in.wire, CalcPurpose::Full, in.args, Lang::English, run);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(run.stress[16].back());
    }
    state.counters["spans"] = static_cast<double>(run.spans.size());
}
BENCHMARK(BM_CalcProject601Spans17Modes)->Unit(benchmark::kMicrosecond);

} // namespace
