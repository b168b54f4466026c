#include "report/excel_report.h"

#include "report/report_cells.h"
#include "xls/workbook.h"

#include <exception>
#include <utility>

namespace velmora {

ExcelReport::ExcelReport(std::string templatePath, std::string outPath, Lang lang,
                         UnitFactors units)
    : m_templatePath(std::move(templatePath))
    , m_outPath(std::move(outPath))
    , m_lang(lang)
    , m_units(units)
{
}

ExcelReport::~ExcelReport() = default;

bool ExcelReport::Begin(const TProject &project, const CalcArgs &args, const CalcRun &run)
{
    m_book.reset(); // a report object may serve more than one run
    try {
        m_book = std::make_unique<xls::Workbook>(xls::Workbook::Load(m_templatePath));
        Book().Sheet(0).Cell(0, 0); // the first sheet must be a worksheet
    } catch (const std::exception &e) {
        m_book.reset();
        throw ReportTemplateError("The report template " + m_templatePath
                                  + " cannot be read: " + e.what());
    }
    reportcells::WriteInputBlock(Book().Sheet(0), project, args, run.wire, m_units);
    return true;
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
    Book().Save(m_outPath); // on failure the driver drops the report
    m_book.reset();
}

void ExcelReport::Drop() noexcept
{
    m_book.reset();
}

} // namespace velmora
