#pragma once

#include <QString>

namespace velmora {

// Has the shell open a file the program has just written (a report, a drawing). When the
// system cannot open it (no program for its type), a question says where the file was written
// and offers to open its folder; a folder that cannot be opened either gets a warning.
void OpenWrittenFile(const QString &path);

} // namespace velmora
