#include "gui/dialogfolders.h"

#include "gui/platform.h"
#include "gui/softsettings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace velmora {

namespace {

std::string SettingName(FileKind kind)
{
    switch (kind) {
    case FileKind::Project:
        return "ProjectFolder";
    case FileKind::Report:
        return "ReportFolder";
    case FileKind::Drawing:
        return "DrawingFolder";
    case FileKind::CatalogueText:
        return "CatalogueFolder";
    case FileKind::SpansText:
        return "SpansFolder";
    case FileKind::LineText:
        return "LineFolder";
    }
    return "Folder";
}

bool IsSystemFolder(const QString &canonical)
{
    for (const QLatin1String system :
         {QLatin1String("/proc"), QLatin1String("/sys"), QLatin1String("/dev")}) {
        if (canonical == system || canonical.startsWith(system + QLatin1Char('/')))
            return true;
    }
    return false;
}

QString DocumentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return IsUsableDialogFolder(documents, DialogUse::Open) ? documents : QDir::homePath();
}

} // namespace

bool IsUsableDialogFolder(const QString &folder, DialogUse use)
{
    if (folder.isEmpty() || QDir::isRelativePath(folder))
        return false;
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable() || !info.isExecutable())
        return false;
    if (use == DialogUse::Save && !info.isWritable())
        return false;
    return !IsSystemFolder(info.canonicalFilePath());
}

QString DialogStartFolder(FileKind kind, DialogUse use, const QString &firstTime)
{
    const QString last = ReadSoftSetting(SettingName(kind));
    if (IsUsableDialogFolder(last, use))
        return QDir::cleanPath(last);
    if (IsUsableDialogFolder(firstTime, use))
        return QDir::cleanPath(firstTime);
    return DocumentsFolder();
}

void PrepareDialogFolder(FileDialogRequest &request, FileKind kind, DialogUse use,
                         const QString &firstTime)
{
    request.directory = DialogStartFolder(kind, use, firstTime);
    if (!request.fileName.isEmpty())
        request.fileName = QFileInfo(request.fileName).fileName();
    request.sidebarFolders = QStringList {DocumentsFolder()};
    const QString examples = QDir::cleanPath(ShippedProjectsDir());
    if (kind == FileKind::Project && IsUsableDialogFolder(examples, DialogUse::Open))
        request.sidebarFolders.append(examples);
}

void RememberDialogFolder(FileKind kind, const QString &file)
{
    WriteSoftSetting(SettingName(kind), QDir::cleanPath(QFileInfo(file).absolutePath()));
}

QString ShippedProjectsDir()
{
    return ApplicationDir() + QStringLiteral("Projects/");
}

} // namespace velmora
