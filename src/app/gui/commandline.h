#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace velmora {

// What the command line asks of the desktop program.
struct CommandLineAnswer
{
    std::optional<int> status; // set: the program ends with it and no window is made
    QString projectFile; // the project to open at start, as given; "" when none is
};

// The desktop program's answer to its command line (the arguments Qt left, the program's name
// first), before any window exists and in the program's language (StartLocalization first):
// --help prints the usage and --version the program name and version to stdout, and the
// program ends with 0; an unknown option prints the parser's message to stderr and ends it
// with 2. Otherwise the program starts with the first positional argument as its project
// file, as the parser takes it (after "--" even a name that starts with "-").
CommandLineAnswer AnswerCommandLine(const QStringList &arguments);

// Whether the command line asks only for a text (--help, --version): answered without a
// display, a window or a write to the settings store.
bool AsksForTextOnly(const QStringList &arguments);

// The answer to such a command line, a core application object made: the store is read for
// the language and never written. Returns the exit status.
int AnswerTextOnly(const QStringList &arguments);

} // namespace velmora
