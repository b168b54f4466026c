#include "bench_inputs.h"

#include "calc/driver.h"
#include "calc/results.h"
#include "report/excel_report.h"
#include "report/report_template.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

using namespace velmora;

const std::string AppDir = std::string(VELMORA_APP_DIR) + "/";

// The largest report: spans 10 m to 609 m by 1 m (n = 600, 601 blocks with l2) × 17 modes.
bench::BenchInput LargestReport()
{
    return bench::DefaultProjectWithSpans(10, 609, 1);
}

std::string BenchFile()
{
    return (std::filesystem::temp_directory_path() / "velmora-report-bench.xls").string();
}

// The whole full calculation as the user starts it: the template read, the input block, 600
// block copies, the calculation and its 17 mode columns, the file written.
void BM_CalcWithReport601Spans17Modes(benchmark::State &state)
{
    const bench::BenchInput in = LargestReport();
    const std::string path = BenchFile();
    std::size_t blocks = 0;
    for (auto _ : state) {
        ExcelReport report(AppDir + ReportTemplateName(Lang::English, 0), Lang::English,
                           UnitFactors {});
        const CalcResults results = CalculateResults(in.project, in.wire, in.args, Lang::English);
        report.Fill(in.project, in.args, results);
        report.Save(path);
        blocks = results.spans.size();
    }
    state.counters["blocks"] = static_cast<double>(blocks);
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::remove(path.c_str());
}
BENCHMARK(BM_CalcWithReport601Spans17Modes)->Unit(benchmark::kMillisecond);

// The report's share alone, from results computed once: read the template, fill it, save it.
void BM_Report601Spans17Modes(benchmark::State &state)
{
    const bench::BenchInput in = LargestReport();
    const CalcResults results = CalculateResults(in.project, in.wire, in.args, Lang::English);
    const std::string path = BenchFile();
    for (auto _ : state) {
        ExcelReport report(AppDir + ReportTemplateName(Lang::English, 0), Lang::English,
                           UnitFactors {});
        report.Fill(in.project, in.args, results);
        report.Save(path);
    }
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::remove(path.c_str());
}
BENCHMARK(BM_Report601Spans17Modes)->Unit(benchmark::kMillisecond);

} // namespace
