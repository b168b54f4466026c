#pragma once

#include "calc/report_sink.h"

#include <memory>
#include <string>

namespace velmora::cli {

// The report of "--report OUT.xls": fills the template workbook of the current language and
// units and writes it to outPath (no dialog, nothing opened). Throws UsageError while the
// spreadsheet report is not part of the program.
std::unique_ptr<CalcReport> OpenReportOption(const std::string &outPath);

} // namespace velmora::cli
