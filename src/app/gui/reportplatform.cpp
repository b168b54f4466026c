#include "gui/reportplatform.h"

#include "gui/appwindows.h"
#include "gui/dialogfolders.h"
#include "gui/prompts.h"
#include "gui/uitext.h"
#include "gui/writtenfile.h"
#include "l10n/units.h"
#include "report/excel_report.h"
#include "report/report_template.h"

#include <utility>

namespace velmora {

namespace {

// The wait window from construction to Close or the end of the scope, whichever comes first.
class WaitWindow
{
public:
    explicit WaitWindow(const QString &text) { ShowWait(text); }
    ~WaitWindow() { Close(); }
    WaitWindow(const WaitWindow &) = delete;
    WaitWindow &operator=(const WaitWindow &) = delete;

    void Close() noexcept
    {
        if (m_shown) {
            m_shown = false;
            CloseWait();
        }
    }

private:
    bool m_shown = true;
};

} // namespace

DesktopReport::DesktopReport(QString appDir, Lang lang, int unitsMode, QString projectName)
    : m_appDir(std::move(appDir))
    , m_lang(lang)
    , m_unitsMode(unitsMode)
    , m_projectName(std::move(projectName))
{
}

QString DesktopReport::AskFileName() const
{
    FileDialogRequest excelSave {QStringLiteral("Сохранение отчета в Excel файл"),
                                 QStringLiteral("*.xls (*.xls)"),
                                 QStringLiteral("xls"),
                                 {},
                                 {}};
    if (!m_projectName.isEmpty())
        excelSave.fileName = m_projectName + QStringLiteral(".xls");
    PrepareDialogFolder(excelSave, FileKind::Report, DialogUse::Save);
    return CurrentPrompts().SaveFileName(excelSave);
}

std::optional<CalcResults> DesktopReport::Run(const TProject &project, const TWireRec &wire,
                                              const CalcArgs &args)
{
    CheckCalcArgs(args, m_lang);
    const QString fileName = AskFileName();
    if (fileName.isEmpty())
        return std::nullopt;

    WaitWindow wait(UiText("Port_to_Excel"));
    const std::string form = ReportTemplateName(m_lang, m_unitsMode);
    std::optional<ExcelReport> report;
    try {
        report.emplace(m_appDir.toStdString() + form, m_lang, UnitFactorsOf(m_unitsMode));
    } catch (const ReportTemplateError &) {
        wait.Close(); // the wait window would hide the message box
        CurrentPrompts().Message(
            QString::fromStdString(CoreText("Check_files", m_lang) + " " + form + "."));
        throw;
    }
    CalcResults results = CalculateResults(project, wire, args, m_lang);
    if (results.status == ResultsStatus::CheckFailed)
        return results; // the caller shows the failure once the wait window is gone
    report->Fill(project, args, results);
    report->Save(fileName.toStdString());
    wait.Close();
    // The report is written by now: its folder is remembered, and a report the system cannot
    // open gets the question that offers its folder.
    RememberDialogFolder(FileKind::Report, fileName);
    OpenWrittenFile(fileName);
    return results;
}

} // namespace velmora
