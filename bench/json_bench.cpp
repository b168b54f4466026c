#include "calc/results.h"
#include "calc_json.h"
#include "data/project.h"

#include <benchmark/benchmark.h>

namespace {

using namespace velmora;

// The JSON that "velmora-calc calc" prints for the result of BM_CalcProject601Spans17Modes
// (601 spans × 17 modes, about 400 kB): it should take less time than that calculation.
void BM_CalcResultJson601Spans17Modes(benchmark::State &state)
{
    TProject project;
    TWireRec wire;
    wire.Name = "АПС35/6.2";
    wire.Diam = 8.4;
    wire.Sech = 43;
    wire.PNag = 0.148;
    wire.Modl = 8250;
    wire.Koef = 1.9E-5;
    const TDAT &d = project.Dat;
    CalcArgs args {d.T_Gsw, d.T_Gbw, d.Tvmax,    d.T_Min,    d.T_Max, d.T_Srg, d.Vgol,
                   d.VMax,  d.Tols,  d.Napr_srg, d.Napr_Max, 10,      6010,    10};
    const CalcResults results = CalculateResults(project, wire, args, Lang::English);
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
