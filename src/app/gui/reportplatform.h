#pragma once

#include "calc/results.h"
#include "l10n/coretexts.h"

#include <QString>

#include <optional>

namespace velmora {

// The Calculate action with its report in the desktop program: the save dialog ExcelSave, the
// wait window while the engine calculates and the core's writer fills the workbook from the
// results, and the shell's "open" of the saved file, all through the program's prompts. The
// wait window is closed before any message and however the run ends.
//
// A form that cannot be read shows the plain message "<Check_files> <form>." and passes the
// writer's error on; any other error of the engine or the writer goes on to the caller as it
// is. Nothing is written when the critical-span check fails.
class DesktopReport
{
public:
    // appDir is the program's folder with a trailing "/"; the form is the one of lang and of
    // the units mode. projectName is the open project's name ("line5" for line5.vlp; empty for
    // a project never saved), which the save dialog proposes as the report's name; the dialog
    // starts in the folder of the last report written.
    DesktopReport(QString appDir, Lang lang, int unitsMode, QString projectName);

    // The results of project with wire and args, after its report was saved and opened (or, for
    // a failed check, with nothing written); nullopt when the save dialog was cancelled, and
    // then nothing is calculated. A refused span range is thrown before the dialog.
    std::optional<CalcResults> Run(const TProject &project, const TWireRec &wire,
                                   const CalcArgs &args);

private:
    QString AskFileName() const;

    QString m_appDir;
    Lang m_lang;
    int m_unitsMode;
    QString m_projectName;
};

} // namespace velmora
