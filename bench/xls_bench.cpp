#include "xls/workbook.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using namespace velmora::xls;

const std::string Template = std::string(VELMORA_SOURCE_DIR) + "/share/forms/FormMech_en.xls";

// The workbook side of a 601-span report: read the template, repeat the span block (rows
// 42-44, columns A-U) 600 times, set the spans and 17 mode columns, save.
void BM_XlsReport601Spans(benchmark::State &state)
{
    const std::string out
        = (std::filesystem::temp_directory_path() / "velmora_xls_bench.xls").string();
    for (auto _ : state) {
        Workbook book = Workbook::Load(Template);
        Worksheet &sheet = book.Sheet(0);
        for (int k = 1; k <= 600; ++k)
            sheet.CopyRange(3 * k + 38, 0, 3 * k + 40, 20, 3 * k + 41, 0);
        for (int i = 0; i <= 600; ++i) {
            const int r = 3 * i + 41;
            sheet.Cell(r, 1).SetNumber(10.0 * i + 5);
            for (int c = 3; c <= 19; ++c) {
                sheet.Cell(r, c).SetNumber(1234.5678 / (i + c));
                sheet.Cell(r + 1, c).SetNumber(9.87654321 * c / (i + 1));
                sheet.Cell(r + 2, c).SetNumber(0.001 * i * c + 0.123);
            }
        }
        book.Save(out);
    }
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(out));
    std::filesystem::remove(out);
}
BENCHMARK(BM_XlsReport601Spans)->Unit(benchmark::kMillisecond);

} // namespace
