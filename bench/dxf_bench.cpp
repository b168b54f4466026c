#include "dxf/acaddxf.h"
#include "templates/drawtemplate.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using namespace velmora;

struct TemplateFixture
{
    TProject project;
    TShablon shablon;
    DrawingContext context {{1, "АС70/11", 11.4, 79.3, 0.276, 8250, 19.2e-6}, Lang::English, {}};

    TemplateFixture()
    {
        project.SetDefaults();
        project.Dat.Provod = "АС70/11";
        shablon.Name = "Габарит";
        shablon.TipShablona = 0;
        shablon.Krivie = -1; // a template proper: 1800 curve segments
        shablon.PR = 300;
        shablon.VP = 15.5;
        shablon.TG = 7;
        shablon.Zapas = 0.5;
    }
};

// One template proper, engine included, into a writer in memory.
void BM_DrawTemplateInMemory(benchmark::State &state)
{
    const TemplateFixture f;
    for (auto _ : state) {
        TAcadDxf dxf;
        dxf.OpenInMemory();
        const DrawResult result = DrawTemplateInto(dxf, f.project, f.shablon, f.context);
        dxf.Finish();
        if (!result.drawn)
            state.SkipWithError(result.reason.c_str());
        benchmark::DoNotOptimize(dxf.Bytes().data());
    }
}
BENCHMARK(BM_DrawTemplateInMemory)->Unit(benchmark::kMillisecond);

// The same into a file as the program writes it: temporary file, fsync, rename.
void BM_DrawTemplateToFile(benchmark::State &state)
{
    const TemplateFixture f;
    const std::string path
        = (std::filesystem::temp_directory_path() / "velmora_dxf_bench.dxf").string();
    for (auto _ : state) {
        const DrawResult result = DrawTemplate(f.project, f.shablon, path, f.context);
        if (!result.drawn)
            state.SkipWithError(result.reason.c_str());
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_DrawTemplateToFile)->Unit(benchmark::kMillisecond);

void BM_FormatReal(benchmark::State &state)
{
    float x = -60.123f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatReal(x));
        x += 0.01f;
    }
}
BENCHMARK(BM_FormatReal);

} // namespace
