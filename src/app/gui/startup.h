#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace velmora {

class ProgramContext;
class SettingsStore;

// The first line of the fatal message and the maker's contact block, in the current language.
QString FatalErrorText();
// The same with the error's own text (ErrorReportText) after the first line; an empty error
// gives FatalErrorText().
QString FatalErrorText(const QString &error);

// The program's context over store (its language and units as stored, an empty catalogue),
// Qt's own texts in its language and the application title. RunProgram and StartProgram
// begin with it; the command line is answered after it, in the program's language. The
// context is the run's: it lives until the next start-up (or the program's end).
ProgramContext &StartLocalization(SettingsStore &store);

// The program from its start to its end, the application object already made: settings and
// string table, the application title, every window, the main loop. An error that escapes
// any of it before the loop ends shows the bilingual fatal message with the error's own text
// and ends the program.
// A projectFile given opens once the windows exist and the main window shows, through the
// save prompt and with the open failure message as Project → Open.
// runLoop false (tests) stops after the windows are made and projectFile is opened, the main
// window not shown. store is the settings store (null: the platform's). Returns the exit status.
int RunProgram(bool runLoop = true, const std::function<void(int position)> &beforeEach = {},
               const QString &projectFile = {}, SettingsStore *store = nullptr);

// The desktop program from its command line (the arguments Qt left, the program's name first)
// to its end: StartLocalization, the command line's answer (AnswerCommandLine), then the
// windows and the main loop with the command line's project file, as RunProgram. An error
// that escapes any of it, the settings store refusing to keep the language among them, shows
// the fatal message as in RunProgram and ends the program with 1. Returns the exit status.
int StartProgram(const QStringList &arguments);

} // namespace velmora
