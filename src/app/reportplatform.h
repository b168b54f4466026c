#pragma once

#include "report/report_platform.h"

#include <QString>

#include <functional>

namespace velmora {

// The report's desktop: the main window's save dialog ExcelSave, the wait window, the plain
// message box and the shell's "open", all through the program's prompts.
class QtReportPlatform : public ReportPlatform
{
public:
    // projectName gives the open project's name ("line5" for line5.vlp; empty for a project
    // never saved), which the save dialog proposes as the report's name.
    explicit QtReportPlatform(std::function<QString()> projectName = {});

    // The save dialog starts in the folder of the last report written.
    std::optional<std::string> AskReportFileName() override;
    void ShowWait(const std::string &text) override;
    void HideWait() noexcept override;
    void ShowMessage(const std::string &text) override;
    // The report is written by now: its folder is remembered, and a report the system cannot
    // open gets the question that offers its folder (OpenWrittenFile).
    void OpenDocument(const std::string &path) override;

private:
    std::function<QString()> m_projectName;
};

} // namespace velmora
