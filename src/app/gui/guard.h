#pragma once

#include <QString>

#include <functional>
#include <string>

namespace velmora {

// The main loop's error report: the error's message with "." appended when the message is
// not empty and its last character sorts after "." ("File not found" -> "File not found.").
QString ErrorReportText(const QString &message);

// Runs action. An error escaping it (Qt allows none to leave a slot) is shown in the error
// box with ErrorReportText and the program goes on. Returns false when an error was shown.
// Every handler that calls the core runs through here.
bool Guarded(const std::function<void()> &action);

} // namespace velmora
