#include "gui/writtenfile.h"

#include "gui/prompts.h"
#include "gui/uitext.h"

#include <QDir>
#include <QFileInfo>

namespace velmora {

void OpenWrittenFile(const QString &path)
{
    Prompts &prompts = CurrentPrompts();
    if (prompts.OpenDocument(path))
        return;
    const QString folder = QFileInfo(path).absolutePath();
    if (!prompts.Question(UiText("File_written_not_opened").arg(QDir::toNativeSeparators(path))))
        return;
    if (!prompts.OpenDocument(folder))
        prompts.Warning(UiText("Folder_not_opened").arg(QDir::toNativeSeparators(folder)));
}

} // namespace velmora
