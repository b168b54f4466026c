#include "reportplatform.h"

#include "appwindows.h"
#include "dialogfolders.h"
#include "prompts.h"
#include "writtenfile.h"

namespace velmora {

QtReportPlatform::QtReportPlatform(std::function<QString()> projectName)
    : m_projectName(std::move(projectName))
{
}

std::optional<std::string> QtReportPlatform::AskReportFileName()
{
    FileDialogRequest excelSave {QStringLiteral("Сохранение отчета в Excel файл"),
                                 QStringLiteral("*.xls (*.xls)"),
                                 QStringLiteral("xls"),
                                 {},
                                 {}};
    const QString project = m_projectName ? m_projectName() : QString();
    if (!project.isEmpty())
        excelSave.fileName = project + QStringLiteral(".xls");
    PrepareDialogFolder(excelSave, FileKind::Report, DialogUse::Save);
    const QString path = CurrentPrompts().SaveFileName(excelSave);
    if (path.isEmpty())
        return std::nullopt;
    return path.toStdString();
}

void QtReportPlatform::ShowWait(const std::string &text)
{
    velmora::ShowWait(QString::fromStdString(text));
}

void QtReportPlatform::HideWait() noexcept
{
    CloseWait();
}

void QtReportPlatform::ShowMessage(const std::string &text)
{
    CurrentPrompts().Message(QString::fromStdString(text));
}

void QtReportPlatform::OpenDocument(const std::string &path)
{
    const QString written = QString::fromStdString(path);
    RememberDialogFolder(FileKind::Report, written);
    OpenWrittenFile(written);
}

} // namespace velmora
