#pragma once

#include "common/error.h"
#include "l10n/coretexts.h"
#include "l10n/units.h"

#include <memory>
#include <string>

namespace velmora {

namespace xls {
class Workbook;
}

struct CalcArgs;
struct CalcResults;
struct TProject;

// The report template could not be read: missing, damaged or not a workbook. The caller
// may tell the user which form to check before it passes the error on.
class ReportTemplateError : public Error
{
public:
    using Error::Error;
};

// The spreadsheet report of a full calculation, filled from the calculation's results and
// saved. It asks nothing and shows nothing; the desktop program puts its save dialog, wait
// window and the shell's "open" around it, velmora-calc uses it as it is. The form is read
// first, so that a form that cannot be read is told before anything is calculated.
class ExcelReport
{
public:
    // Reads templatePath, the form of lang and of the units mode of units (ReportTemplateName
    // under the program's folder). Throws ReportTemplateError "The report template
    // <templatePath> cannot be read: <reason>".
    ExcelReport(const std::string &templatePath, Lang lang, UnitFactors units);
    ~ExcelReport();

    // Writes the input block of project and args, then the results (reportcells::WriteResults):
    // with fewer than two spans the report holds the input block alone. Once per report.
    // Throws velmora::Error for results whose critical-span check failed, which have no report.
    void Fill(const TProject &project, const CalcArgs &args, const CalcResults &results);

    // Saves the workbook to outPath; the file there is replaced only by a save that went
    // through. Throws the workbook's error, which names outPath.
    void Save(const std::string &outPath);
    // The bytes Save would write, for a caller that writes the file itself (velmora-calc,
    // after its output went through).
    std::string Bytes() const;

private:
    Lang m_lang;
    UnitFactors m_units;
    std::unique_ptr<xls::Workbook> m_book;
    bool m_filled = false;
};

} // namespace velmora
