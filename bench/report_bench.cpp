#include "calc/driver.h"
#include "data/project.h"
#include "report/excel_report.h"
#include "report/report_cells.h"
#include "report/report_template.h"
#include "xls/workbook.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

using namespace velmora;

const std::string AppDir = std::string(VELMORA_APP_DIR) + "/";

struct ReportInput
{
    TProject project;
    TWireRec wire;
    CalcArgs args;
};

// The largest report: spans 10 m to 609 m by 1 m (n = 600, 601 blocks with l2) × 17 modes.
ReportInput LargestReport()
{
    ReportInput in;
    in.wire.Name = "АПС35/6.2";
    in.wire.Diam = 8.4;
    in.wire.Sech = 43;
    in.wire.PNag = 0.148;
    in.wire.Modl = 8250;
    in.wire.Koef = 1.9E-5;
    const TDAT &d = in.project.Dat;
    in.args = CalcArgs {d.T_Gsw, d.T_Gbw, d.Tvmax,    d.T_Min,    d.T_Max, d.T_Srg, d.Vgol,
                        d.VMax,  d.Tols,  d.Napr_srg, d.Napr_Max, 10,      609,     1};
    return in;
}

std::string BenchFile()
{
    return (std::filesystem::temp_directory_path() / "velmora-report-bench.xls").string();
}

// The whole full calculation as the user starts it: the template read, the input block, 600
// block copies, the calculation and its 17 mode columns, the file written.
void BM_CalcWithReport601Spans17Modes(benchmark::State &state)
{
    const ReportInput in = LargestReport();
    const std::string path = BenchFile();
    CalcRun run;
    for (auto _ : state) {
        ExcelReport report(AppDir + ReportTemplateName(Lang::English, 0), path, Lang::English,
                           UnitFactors {});
        const CalcOutcome outcome = CalcProject(in.project, in.wire, CalcPurpose::Full, in.args,
                                                Lang::English, run, &report);
        benchmark::DoNotOptimize(outcome);
    }
    state.counters["blocks"] = static_cast<double>(run.spans.size());
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::remove(path.c_str());
}
BENCHMARK(BM_CalcWithReport601Spans17Modes)->Unit(benchmark::kMillisecond);

// The report's share alone, from results computed once: read the template, fill it, save it.
void BM_Report601Spans17Modes(benchmark::State &state)
{
    const ReportInput in = LargestReport();
    CalcRun run;
    CalcProject(in.project, in.wire, CalcPurpose::Full, in.args, Lang::English, run);
    const std::string path = BenchFile();
    for (auto _ : state) {
        xls::Workbook book = xls::Workbook::Load(AppDir + ReportTemplateName(Lang::English, 0));
        xls::Worksheet &sheet = book.Sheet(0);
        reportcells::WriteInputBlock(sheet, in.project, in.args, run.wire, UnitFactors {});
        reportcells::RepeatSpanBlocks(sheet, run.n);
        for (std::size_t c = 0; c < run.takenModes.size(); ++c)
            reportcells::WriteMode(sheet, run, static_cast<int>(c + 1), run.takenModes[c],
                                   Lang::English, UnitFactors {});
        book.Save(path);
    }
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::remove(path.c_str());
}
BENCHMARK(BM_Report601Spans17Modes)->Unit(benchmark::kMillisecond);

} // namespace
