#include "calc/project_args.h"
#include "calc/stringing.h"
#include "data/project.h"
#include "l10n/localization.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

namespace {

using namespace velmora;

// The stringing tables of 100 anchor sections of 50 spans each (80 to 279 m) at 17
// temperatures (−40 to 40 °C by 5), for АС 70/11 in the climate of the shipped example. The
// loads and critical spans are computed once, as the callers do for all sections of a project.
void BM_Stringing100Sections50Spans17Temperatures(benchmark::State &state)
{
    TProject project;
    TDAT &d = project.Dat;
    d.Provod = "АС 70/11";
    d.T_Min = -40;
    d.Vgol = 18;
    d.VMax = 32;
    d.Tols = 15;
    d.Napr_srg = 8;
    d.Napr_Max = 13;
    TWireRec wire;
    wire.Name = d.Provod;
    wire.Diam = 11.4;
    wire.Sech = 79.3;
    wire.PNag = 0.276;
    wire.Modl = 8250;
    wire.Koef = 1.92E-5;
    const CalcArgs args = CalcArgsOf(d, wire);
    CalcRun run;
    if (CalcStringingBasis(project, wire, args, Lang::English, run) != CalcOutcome::Done)
        std::abort();

    std::vector<TSection> sections(100);
    for (std::size_t s = 0; s < sections.size(); ++s) {
        sections[s].TStep = 5;
        for (std::size_t i = 0; i < 50; ++i)
            sections[s].Spans.push_back(80 + static_cast<double>((s * 37 + i * 13) % 200));
    }
    for (auto _ : state) {
        for (const TSection &section : sections) {
            const StringingTable table = CalcStringing(run, args, section, Lang::English);
            benchmark::DoNotOptimize(table.sags.back().back());
        }
    }
    const StringingTable sample = CalcStringing(run, args, sections[0], Lang::English);
    state.counters["temperatures"] = static_cast<double>(sample.temperatures.size());
    state.counters["state"] = static_cast<double>(sample.state);
}
BENCHMARK(BM_Stringing100Sections50Spans17Temperatures)->Unit(benchmark::kMicrosecond);

} // namespace
