#include "report/excel_report.h"

#include "common/error.h"
#include "l10n/localization.h"
#include "report/report_cells.h"
#include "report/report_template.h"
#include "xls/workbook.h"

#include <exception>
#include <utility>

namespace velmora {

ExcelReport::ExcelReport(ReportPlatform &platform, std::string appDir, std::string templateName,
                         Lang lang, UnitFactors units)
    : m_platform(platform)
    , m_appDir(std::move(appDir))
    , m_templateName(std::move(templateName))
    , m_lang(lang)
    , m_units(units)
{
}

ExcelReport::~ExcelReport()
{
    Drop();
}

bool ExcelReport::Begin(const TProject &project, const CalcArgs &args, const CalcRun &run)
{
    Drop(); // a report object may serve more than one run
    m_fileName.clear();
    std::optional<std::string> fileName = m_platform.AskReportFileName();
    if (!fileName)
        return false;
    m_fileName = std::move(*fileName);

    m_platform.ShowWait(GetText("Port_to_Excel"));
    m_waitShown = true;
    try {
        OpenTemplate();
        reportcells::WriteInputBlock(Book().Sheet(0), project, args, run.wire, m_units);
    } catch (...) {
        Drop();
        throw;
    }
    return true;
}

void ExcelReport::OpenTemplate()
{
    const std::string &name = m_templateName;
    try {
        m_book = std::make_unique<xls::Workbook>(xls::Workbook::Load(m_appDir + name));
        Book().Sheet(0).Cell(0, 0); // the first sheet must be a worksheet
    } catch (const std::exception &e) {
        m_book.reset();
        // The wait window would hide the message box.
        m_platform.HideWait();
        m_waitShown = false;
        m_platform.ShowMessage(CoreText("Check_files", m_lang) + " " + name + ".");
        throw Error("The report template " + name + " cannot be read: " + e.what());
    }
}

xls::Workbook &ExcelReport::Book()
{
    if (!m_book)
        throw Error("The report is not open");
    return *m_book;
}

void ExcelReport::RepeatSpanBlocks(int n)
{
    reportcells::RepeatSpanBlocks(Book().Sheet(0), n);
}

void ExcelReport::WriteMode(const CalcRun &run, int column, int mode)
{
    reportcells::WriteMode(Book().Sheet(0), run, column, mode, m_lang, m_units);
}

void ExcelReport::Finish()
{
    Book().Save(m_fileName); // on failure the driver drops the report
    m_platform.OpenDocument(m_fileName);
    Drop();
}

void ExcelReport::Drop() noexcept
{
    m_book.reset();
    if (m_waitShown) {
        m_waitShown = false;
        m_platform.HideWait();
    }
}

} // namespace velmora
