#include "reportplatform.h"

#include "appwindows.h"
#include "prompts.h"

namespace velmora {

std::optional<std::string> QtReportPlatform::AskReportFileName()
{
    const FileDialogRequest excelSave {QStringLiteral("Сохранение отчета в Excel файл"),
                                       QStringLiteral("*.xls (*.xls)"),
                                       QStringLiteral("xls"),
                                       {},
                                       m_lastFile};
    const QString path = CurrentPrompts().SaveFileName(excelSave);
    if (path.isEmpty())
        return std::nullopt;
    m_lastFile = path;
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
    CurrentPrompts().OpenDocument(QString::fromStdString(path));
}

} // namespace velmora
