#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace velmora {

// The first line of the fatal message and the maker's contact block, in the current language.
QString FatalErrorText();
// The same with the error's own text (ErrorReportText) after the first line; an empty error
// gives FatalErrorText().
QString FatalErrorText(const QString &error);

// The settings store (the platform's unless a test installed one), the string table in the
// stored language, Qt's own texts in it and the application title. RunProgram begins with it;
// the command line is answered after it, in the program's language.
void StartLocalization();

// The program from its start to its end, the application object already made: settings and
// string table, the application title, every window, the main loop. An error that escapes
// any of it before the loop ends shows the bilingual fatal message with the error's own text
// and ends the program.
// A projectFile given opens once the windows exist and the main window shows, through the
// save prompt and with the open failure message as Project → Open.
// runLoop false (tests) stops after the windows are made and projectFile is opened, the main
// window not shown. Returns the exit status.
int RunProgram(bool runLoop = true, const std::function<void(int position)> &beforeEach = {},
               const QString &projectFile = {});

// The project file a command line names: its first argument after the program's own that is
// not an option (does not start with "-"); "" when there is none.
QString ProjectFileArgument(const QStringList &arguments);

} // namespace velmora
