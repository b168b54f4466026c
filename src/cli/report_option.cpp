#include "report_option.h"

#include "paths.h"

#include "l10n/units.h"
#include "report/excel_report.h"
#include "report/report_template.h"

#include <iostream>

namespace velmora::cli {

namespace {

// The report's desktop services on the command line: the file name is given in advance, the
// message goes to stderr, and the report is never opened.
class CommandLinePlatform final : public ReportPlatform
{
public:
    explicit CommandLinePlatform(std::string path)
        : m_path(std::move(path))
    {
    }

    std::optional<std::string> AskReportFileName() override { return m_path; }
    void ShowWait(const std::string &) override { }
    void HideWait() noexcept override { }
    void ShowMessage(const std::string &text) override
    {
        std::cerr << "velmora-calc: " << text << '\n';
    }
    void OpenDocument(const std::string &) override { }

private:
    std::string m_path;
};

// Keeps the platform alive as long as the report that uses it.
class CommandLineReport final : public CalcReport
{
public:
    CommandLineReport(const std::string &outPath, Lang lang, int units)
        : m_platform(outPath)
        , m_report(m_platform, ProgramDir(), ReportTemplateName(lang, units), lang,
                   UnitFactorsOf(units))
    {
    }

    bool Begin(const TProject &project, const CalcArgs &args, const CalcRun &run) override
    {
        return m_report.Begin(project, args, run);
    }
    void RepeatSpanBlocks(int n) override { m_report.RepeatSpanBlocks(n); }
    void WriteMode(const CalcRun &run, int column, int mode) override
    {
        m_report.WriteMode(run, column, mode);
    }
    void Finish() override { m_report.Finish(); }
    void Drop() noexcept override { m_report.Drop(); }

private:
    CommandLinePlatform m_platform;
    ExcelReport m_report;
};

} // namespace

std::unique_ptr<CalcReport> OpenReportOption(const std::string &outPath, Lang lang, int units)
{
    return std::make_unique<CommandLineReport>(outPath, lang, units);
}

} // namespace velmora::cli
