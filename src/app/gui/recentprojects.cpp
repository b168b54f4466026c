#include "gui/recentprojects.h"

#include "gui/softsettings.h"

#include <QDir>
#include <QFileInfo>

namespace velmora {

namespace {

const std::string SettingName = "RecentProjects";
// One value holds the whole list; a path never holds a line break that we record.
const QChar Separator = QLatin1Char('\n');

QString FullPath(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

void WriteRecentProjects(const QStringList &paths)
{
    WriteSoftSetting(SettingName, paths.join(Separator));
}

} // namespace

QStringList ReadRecentProjects()
{
    QStringList paths;
    for (const QString &path : ReadSoftSetting(SettingName).split(Separator)) {
        // A hand-edited store may hold blanks, relative paths or repeats.
        if (!path.isEmpty() && QDir::isAbsolutePath(path) && !paths.contains(path))
            paths.append(path);
    }
    return paths.mid(0, RecentProjectsMax);
}

void AddRecentProject(const QString &path)
{
    const QString full = FullPath(path);
    if (path.isEmpty() || full.contains(Separator))
        return;
    QStringList paths = ReadRecentProjects();
    paths.removeAll(full);
    paths.prepend(full);
    WriteRecentProjects(paths.mid(0, RecentProjectsMax));
}

void RemoveRecentProject(const QString &path)
{
    QStringList paths = ReadRecentProjects();
    if (paths.removeAll(FullPath(path)) > 0)
        WriteRecentProjects(paths);
}

void ClearRecentProjects()
{
    WriteRecentProjects({});
}

} // namespace velmora
