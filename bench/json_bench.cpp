#include "bench_inputs.h"
#include "calc_json.h"

#include "calc/results.h"

#include <benchmark/benchmark.h>

namespace {

using namespace velmora;

// The JSON that "velmora-calc calc" prints for the result of BM_CalcProject601Spans17Modes
// (601 spans × 17 modes, about 400 kB): it should take less time than that calculation.
void BM_CalcResultJson601Spans17Modes(benchmark::State &state)
{
    const bench::BenchInput in = bench::LargestRange();
    const CalcResults results = CalculateResults(in.project, in.wire, in.args, Lang::English);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string json = cli::CalcResultJson(results);
        bytes = json.size();
        benchmark::DoNotOptimize(json.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_CalcResultJson601Spans17Modes)->Unit(benchmark::kMicrosecond);

} // namespace
