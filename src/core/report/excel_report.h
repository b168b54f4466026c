#pragma once

#include "calc/report_sink.h"
#include "common/error.h"
#include "l10n/coretexts.h"
#include "l10n/units.h"

#include <memory>
#include <string>

namespace velmora {

namespace xls {
class Workbook;
}

// The report template could not be read: missing, damaged or not a workbook. The caller
// may tell the user which form to check before it passes the error on.
class ReportTemplateError : public Error
{
public:
    using Error::Error;
};

// The spreadsheet report of a full calculation: fills the template workbook while the driver
// runs and saves it. It asks nothing and shows nothing; the desktop program puts its save
// dialog, wait window and the shell's "open" around it, velmora-calc uses it as it is.
//
// Failures: Begin throws ReportTemplateError "The report template <templatePath> cannot be
// read: <reason>"; Finish throws the workbook's error (naming outPath). The file at outPath
// is replaced only by a save that went through.
class ExcelReport final : public CalcReport
{
public:
    // templatePath is the form of lang and of the units mode of units (ReportTemplateName
    // under the program's folder); outPath is the report file to write.
    ExcelReport(std::string templatePath, std::string outPath, Lang lang, UnitFactors units);
    ~ExcelReport() override;

    // Reads the template and writes the input block; always true (nothing to cancel).
    bool Begin(const TProject &project, const CalcArgs &args, const CalcRun &run) override;
    void RepeatSpanBlocks(int n) override;
    void WriteMode(const CalcRun &run, int column, int mode) override;
    // Saves the workbook to outPath.
    void Finish() override;
    // Discards the workbook unsaved.
    void Drop() noexcept override;

private:
    xls::Workbook &Book();

    std::string m_templatePath;
    std::string m_outPath;
    Lang m_lang;
    UnitFactors m_units;
    std::unique_ptr<xls::Workbook> m_book;
};

} // namespace velmora
