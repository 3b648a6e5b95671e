#include "favorites_folder.h"

#include <QDir>
#include <QFileInfo>

namespace tarnlink {

QString GetFavoritesFolder()
{
    const QString configured = qEnvironmentVariable("TARNLINK_FAVORITES");
    if (!configured.isEmpty())
        return configured;
    const QString home = QDir::home().filePath(QStringLiteral("Favorites"));
    return QFileInfo(home).isDir() ? home : QString();
}

} // namespace tarnlink
