#pragma once

#include <QStringList>

#include <optional>

namespace velmora {

// The desktop program's answer to its command line (the arguments Qt left, the program's name
// first), before any window exists and in the program's language (StartLocalization first):
// --help prints the usage and --version the program name and version to stdout, and the
// program ends with 0; an unknown option prints the parser's message to stderr and ends it
// with 2. Nothing when the program should start.
std::optional<int> AnswerCommandLine(const QStringList &arguments);

} // namespace velmora
