#pragma once

#include <QString>
#include <QStringList>

namespace velmora {

// How many projects the Project menu's recent list keeps.
inline constexpr int RecentProjectsMax = 8;

// The projects last opened or saved, most recent first, as full paths; kept in the settings
// store under "RecentProjects". A store that refuses a write costs only that convenience, so
// none of these report it.
QStringList ReadRecentProjects();
// Puts path (made absolute) first, once, and keeps at most RecentProjectsMax entries.
void AddRecentProject(const QString &path);
void RemoveRecentProject(const QString &path);
void ClearRecentProjects();

} // namespace velmora
