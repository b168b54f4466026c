#include "report_option.h"

#include "args.h"

namespace velmora::cli {

std::unique_ptr<CalcReport> OpenReportOption(const std::string &)
{
    throw UsageError("--report is not available yet");
}

} // namespace velmora::cli
