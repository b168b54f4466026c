#pragma once

#include "calc/report_sink.h"
#include "l10n/coretexts.h"
#include "report/excel_report.h"

#include <QString>

#include <optional>

namespace velmora {

// The report of a calculation in the desktop program: the save dialog ExcelSave, the wait
// window while the core's writer fills the workbook, and the shell's "open" of the saved file,
// all through the program's prompts. The wait window is closed before any message and however
// the run ends.
//
// A form that cannot be read shows the plain message "<Check_files> <form>." and passes the
// writer's error on; any other error of the writer goes on to the caller as it is.
class DesktopReport final : public CalcReport
{
public:
    // appDir is the program's folder with a trailing "/"; the form is the one of lang and of
    // the units mode. projectName is the open project's name ("line5" for line5.vlp; empty for
    // a project never saved), which the save dialog proposes as the report's name; the dialog
    // starts in the folder of the last report written.
    DesktopReport(QString appDir, Lang lang, int unitsMode, QString projectName);
    ~DesktopReport() override;

    bool Begin(const TProject &project, const CalcArgs &args, const CalcRun &run) override;
    void RepeatSpanBlocks(int n) override;
    void WriteMode(const CalcRun &run, int column, int mode) override;
    void Finish() override;
    void Drop() noexcept override;

private:
    void HideWait() noexcept;

    QString m_appDir;
    Lang m_lang;
    int m_unitsMode;
    QString m_projectName;
    QString m_fileName;
    std::optional<ExcelReport> m_writer;
    bool m_waitShown = false;
};

} // namespace velmora
