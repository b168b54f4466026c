#include "gui/reportplatform.h"

#include "gui/appwindows.h"
#include "gui/dialogfolders.h"
#include "gui/prompts.h"
#include "gui/uitext.h"
#include "gui/writtenfile.h"
#include "l10n/units.h"
#include "report/report_template.h"

#include <utility>

namespace velmora {

DesktopReport::DesktopReport(QString appDir, Lang lang, int unitsMode, QString projectName)
    : m_appDir(std::move(appDir))
    , m_lang(lang)
    , m_unitsMode(unitsMode)
    , m_projectName(std::move(projectName))
{
}

DesktopReport::~DesktopReport()
{
    Drop();
}

bool DesktopReport::Begin(const TProject &project, const CalcArgs &args, const CalcRun &run)
{
    Drop(); // a report object may serve more than one run
    FileDialogRequest excelSave {QStringLiteral("Сохранение отчета в Excel файл"),
                                 QStringLiteral("*.xls (*.xls)"),
                                 QStringLiteral("xls"),
                                 {},
                                 {}};
    if (!m_projectName.isEmpty())
        excelSave.fileName = m_projectName + QStringLiteral(".xls");
    PrepareDialogFolder(excelSave, FileKind::Report, DialogUse::Save);
    m_fileName = CurrentPrompts().SaveFileName(excelSave);
    if (m_fileName.isEmpty())
        return false;

    ShowWait(UiText("Port_to_Excel"));
    m_waitShown = true;
    const std::string form = ReportTemplateName(m_lang, m_unitsMode);
    try {
        m_writer.emplace(m_appDir.toStdString() + form, m_fileName.toStdString(), m_lang,
                         UnitFactorsOf(m_unitsMode));
        m_writer->Begin(project, args, run);
    } catch (const ReportTemplateError &) {
        Drop(); // the wait window would hide the message box
        CurrentPrompts().Message(
            QString::fromStdString(CoreText("Check_files", m_lang) + " " + form + "."));
        throw;
    } catch (...) {
        Drop();
        throw;
    }
    return true;
}

void DesktopReport::RepeatSpanBlocks(int n)
{
    m_writer->RepeatSpanBlocks(n);
}

void DesktopReport::WriteMode(const CalcRun &run, int column, int mode)
{
    m_writer->WriteMode(run, column, mode);
}

void DesktopReport::Finish()
{
    m_writer->Finish(); // on failure the driver drops the report
    Drop();
    // The report is written by now: its folder is remembered, and a report the system cannot
    // open gets the question that offers its folder.
    RememberDialogFolder(FileKind::Report, m_fileName);
    OpenWrittenFile(m_fileName);
}

void DesktopReport::Drop() noexcept
{
    m_writer.reset();
    HideWait();
}

void DesktopReport::HideWait() noexcept
{
    if (m_waitShown) {
        m_waitShown = false;
        CloseWait();
    }
}

} // namespace velmora
