#pragma once

#include <QString>

namespace velmora {

// Has the shell open a file the program has just written (a report, a drawing), after
// AnnounceWrittenFile. When the system cannot open it (no program for its type), a question
// says where the file was written and offers to open its folder; a folder that cannot be
// opened either gets a warning.
void OpenWrittenFile(const QString &path);

// Says in the main window's status bar where a file was just written, with an "Open folder"
// link that opens the file's folder through the prompts. Every file the windows write comes
// here, whether or not a viewer opens it.
void AnnounceWrittenFile(const QString &path);

} // namespace velmora
