#include "report/excel_report.h"

#include "calc/results.h"
#include "report/report_cells.h"
#include "xls/workbook.h"

#include <exception>

namespace velmora {

ExcelReport::ExcelReport(const std::string &templatePath, Lang lang, UnitFactors units)
    : m_lang(lang)
    , m_units(units)
{
    try {
        m_book = std::make_unique<xls::Workbook>(xls::Workbook::Load(templatePath));
        m_book->Sheet(0).Cell(0, 0); // the first sheet must be a worksheet
    } catch (const std::exception &e) {
        throw ReportTemplateError("The report template " + templatePath
                                  + " cannot be read: " + e.what());
    }
}

ExcelReport::~ExcelReport() = default;

void ExcelReport::Fill(const TProject &project, const CalcArgs &args, const CalcResults &results)
{
    if (results.status == ResultsStatus::CheckFailed)
        throw Error("A calculation whose critical-span check failed has no report");
    if (m_filled)
        throw Error("The report is filled already");
    m_filled = true;
    xls::Worksheet &sheet = m_book->Sheet(0);
    reportcells::WriteInputBlock(sheet, project, args, results.wire, m_units);
    reportcells::WriteResults(sheet, results, m_lang, m_units);
}

void ExcelReport::Save(const std::string &outPath)
{
    m_book->Save(outPath);
}

std::string ExcelReport::Bytes() const
{
    return m_book->ToBytes();
}

} // namespace velmora
