#pragma once

#include <QString>

#include <string>

namespace velmora {

// The settings that only spare the user work (remembered folders, recent projects, the results
// pane's layout): the program runs the same without them, so a value that is missing or not a
// text reads as empty, and a store that refuses to write costs only the convenience (the
// language and units settings report such a store). The store is the program's context's
// (Program()); before start-up has made one, nothing is read or written.
QString ReadSoftSetting(const std::string &name);
// Writes text under name; an error of the store is passed over.
void WriteSoftSetting(const std::string &name, const QString &text);

} // namespace velmora
