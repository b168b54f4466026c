#include "calc/driver.h"
#include "data/project.h"

#include <benchmark/benchmark.h>

namespace {

using namespace velmora;

// A full calculation without report: 601 spans (10 m to 6010 m by 10 m) × 17 modes.
void BM_CalcProject601Spans17Modes(benchmark::State &state)
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
    CalcRun run;
    for (auto _ : state) {
        const CalcOutcome outcome
            = CalcProject(project, wire, CalcPurpose::Full, args, Lang::English, run);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(run.stress[16].back());
    }
    state.counters["spans"] = static_cast<double>(run.spans.size());
}
BENCHMARK(BM_CalcProject601Spans17Modes)->Unit(benchmark::kMicrosecond);

} // namespace
