#pragma once

#include "gui/prompts.h"

#include <QString>

namespace velmora {

// The kinds of file whose dialogs each remember their own folder in the settings store.
enum class FileKind { Project, Report, Drawing, CatalogueText, SpansText, LineText };

enum class DialogUse { Open, Save };

// True for a folder a file dialog may start in: an existing directory the user can list (and
// write to, for a save dialog), given as an absolute path, and outside the system's virtual
// folders /proc, /sys and /dev.
bool IsUsableDialogFolder(const QString &folder, DialogUse use);

// The folder a dialog for kind starts in: the one last used for kind while it is still
// usable, else firstTime when usable, else the user's documents folder, else the home folder.
QString DialogStartFolder(FileKind kind, DialogUse use, const QString &firstTime = {});

// Points request at DialogStartFolder and keeps only the file name of its file name box (a
// name with a folder would move the dialog to that folder). The documents folder and, for
// projects, the shipped examples are added to the dialog's side bar.
void PrepareDialogFolder(FileDialogRequest &request, FileKind kind, DialogUse use,
                         const QString &firstTime = {});

// Remembers the folder of file as the one last used for kind. A store that refuses the write
// costs only that convenience, so it is not reported.
void RememberDialogFolder(FileKind kind, const QString &file);

// The folder of the example projects shipped beside the program, with a trailing "/".
QString ShippedProjectsDir();

} // namespace velmora
