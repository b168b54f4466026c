#pragma once

#include <optional>
#include <string>

namespace velmora {

// What the report needs from the desktop around it: the save dialog, the wait window, the
// plain message box and the shell's "open". The desktop program implements it with its
// windows; the command-line tool with a file name given in advance and no opening.
class ReportPlatform
{
public:
    virtual ~ReportPlatform() = default;

    // The save dialog of the report (title "Сохранение отчета в Excel файл", filter
    // "*.xls|*.xls", default extension "xls"). Nothing when the user cancelled.
    virtual std::optional<std::string> AskReportFileName() = 0;
    // Shows the wait window with text and lets it paint before the long work starts.
    virtual void ShowWait(const std::string &text) = 0;
    virtual void HideWait() noexcept = 0;
    // A plain message box (application title, OK).
    virtual void ShowMessage(const std::string &text) = 0;
    // Opens the saved report with the application the shell associates with it.
    virtual void OpenDocument(const std::string &path) = 0;
};

} // namespace velmora
