#pragma once

#include "calc/report_sink.h"
#include "l10n/coretexts.h"
#include "l10n/units.h"
#include "report/report_platform.h"

#include <memory>
#include <string>

namespace velmora {

namespace xls {
class Workbook;
}

// The spreadsheet report of a full calculation: asks for the file name, fills the template
// workbook of the current language and units mode (under the program's folder) while the
// driver runs, saves it and has the shell open it.
//
// Failures: a template that cannot be read shows the plain message "<Check_files> <relative
// path>." and throws velmora::Error "The report template Forms/FormMech_en.xls cannot be
// read: <reason>"; an error while saving throws the workbook's error (naming the file), and
// no file is opened. The wait window is closed whatever happens.
class ExcelReport final : public CalcReport
{
public:
    // appDir is the program's folder with a trailing separator. templateName is the form
    // relative to it (ReportTemplateName) of lang and of the units mode of units.
    ExcelReport(ReportPlatform &platform, std::string appDir, std::string templateName, Lang lang,
                UnitFactors units);
    ~ExcelReport() override;

    bool Begin(const TProject &project, const CalcArgs &args, const CalcRun &run) override;
    void RepeatSpanBlocks(int n) override;
    void WriteMode(const CalcRun &run, int column, int mode) override;
    void Finish() override;
    void Drop() noexcept override;

    // The file chosen in the save dialog (empty before Begin or after a cancel).
    const std::string &FileName() const { return m_fileName; }

private:
    void OpenTemplate();
    xls::Workbook &Book();

    ReportPlatform &m_platform;
    std::string m_appDir;
    std::string m_templateName;
    Lang m_lang;
    UnitFactors m_units;
    std::string m_fileName;
    std::unique_ptr<xls::Workbook> m_book;
    bool m_waitShown = false;
};

} // namespace velmora
