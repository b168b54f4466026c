#include "calc/linecheck.h"
#include "dxf/acaddxf.h"
#include "example_wire.h"
#include "long_line.h"
#include "templates/linedesign.h"
#include "templates/lineprofiledxf.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace velmora;
using velmora::bench::LongLine;

const LongLine &Line()
{
    static const LongLine line;
    return line;
}

// The whole check as velmora-calc line runs it: the template's conditions through the
// calculation, the ruling span's stress, every span and tower.
void BM_LineCheck50km(benchmark::State &state)
{
    const LongLine &f = Line();
    for (auto _ : state) {
        const LineCheck check = RunLineCheck(f.project, f.line, 0, f.wire, Lang::English);
        benchmark::DoNotOptimize(check.spans.data());
    }
}
BENCHMARK(BM_LineCheck50km)->Unit(benchmark::kMillisecond);

// The profile drawing of that line in memory.
void BM_LineProfileDxf50km(benchmark::State &state)
{
    const LongLine &f = Line();
    const LineCheck check = RunLineCheck(f.project, f.line, 0, f.wire, Lang::English);
    std::size_t bytes = 0;
    for (auto _ : state) {
        TAcadDxf dxf;
        dxf.OpenInMemory();
        DrawLineProfileInto(dxf, f.line, check, f.project.Shablons.Items(0), Lang::English);
        dxf.Finish();
        bytes = dxf.Bytes().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_LineProfileDxf50km)->Unit(benchmark::kMillisecond);

} // namespace
