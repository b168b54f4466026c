#pragma once

#include "calc/report_sink.h"
#include "l10n/coretexts.h"

#include <memory>
#include <string>

namespace velmora::cli {

// The report of "--report OUT.xls": fills the form of lang and of the units mode `units` from
// Forms/ beside the program and writes it to outPath. No dialog, no wait window, nothing
// opened; a template that cannot be read is told on stderr before the error.
std::unique_ptr<CalcReport> OpenReportOption(const std::string &outPath, Lang lang, int units);

} // namespace velmora::cli
