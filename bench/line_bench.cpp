#include "calc/linecheck.h"
#include "dxf/acaddxf.h"
#include "example_wire.h"
#include "templates/linedesign.h"
#include "templates/lineprofiledxf.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace velmora;

// A 50 km line: 10 000 ground points 5 m apart over rolling ground, 150 towers about 335 m
// apart, two types, a crossing every 5 km.
struct LongLine
{
    TProject project;
    LineProfile line;
    TWireRec wire = test::ShippedAc70Wire();

    LongLine()
    {
        project.SetDefaults();
        project.Dat.Provod = wire.Name;
        TShablon shablon;
        shablon.Name = "Line";
        shablon.TipShablona = 0;
        shablon.Krivie = -1;
        shablon.PR = 300;
        shablon.VP = 20;
        shablon.TG = 7;
        project.Shablons.Add(shablon);

        constexpr int points = 10000;
        const double length = 50000;
        for (int i = 0; i < points; ++i) {
            const double x = length * i / (points - 1);
            line.ground.push_back({x, 150 + 20 * std::sin(x / 900) + 6 * std::sin(x / 137)});
        }
        line.types = {{"Suspension", 26, 1, 450, 700, -100}, {"Anchor", 24, 3, 450, 900, -300}};
        constexpr int towers = 150;
        for (int i = 0; i < towers; ++i)
            line.towers.push_back({length * i / (towers - 1), i == 0 || i == towers - 1 ? 1 : 0});
        for (int i = 1; i < 10; ++i)
            line.crossings.push_back({5000.0 * i + 100, 150, 8, "Road"});
    }
};

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
