#pragma once

#include "report/report_platform.h"

#include <QString>

namespace velmora {

// The report's desktop: the main window's save dialog ExcelSave, the wait window, the plain
// message box and the shell's "open", all through the program's prompts.
class QtReportPlatform : public ReportPlatform
{
public:
    std::optional<std::string> AskReportFileName() override;
    void ShowWait(const std::string &text) override;
    void HideWait() noexcept override;
    void ShowMessage(const std::string &text) override;
    void OpenDocument(const std::string &path) override;

private:
    QString m_lastFile; // the dialog's file name box as it was last left
};

} // namespace velmora
