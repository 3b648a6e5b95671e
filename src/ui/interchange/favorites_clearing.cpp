#include "ui/interchange/favorites_clearing.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace tarnlink {

namespace {

// The folder as the file system resolves it; a path that does not exist, cleaned.
QString realPath(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

bool holds(const QString& folder, const QString& path)
{
    return path == folder || path.startsWith(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'));
}

// True when everything but the dot entries went.
bool removeContents(const QString& folder)
{
    bool complete = true;
    QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        const QFileInfo entry = entries.fileInfo();
        if (entry.fileName().startsWith(QLatin1Char('.')))
            continue;
        if (entry.isDir() && !entry.isSymLink())
            complete = removeContents(entry.filePath()) && QDir().rmdir(entry.filePath()) && complete;
        else
            complete = QFile::remove(entry.filePath()) && complete;
    }
    return complete;
}

} // namespace

bool MayClearFolder(const QString& folder, const QString& home)
{
    if (folder.trimmed().isEmpty())
        return false;
    const QString target = realPath(folder);
    const QFileInfo info(target);
    return (!info.exists() || info.isDir()) && !holds(target, realPath(home));
}

ClearResult ClearFavoritesFolder(const QString& folder, const QString& home)
{
    if (!MayClearFolder(folder, home))
        return ClearResult::Refused;
    const QString target = realPath(folder);
    const QFileInfo info(target);
    const bool cleared = info.exists() && removeContents(target) && QDir().rmdir(target);
    QDir().mkdir(target);
    return cleared ? ClearResult::Cleared : ClearResult::Incomplete;
}

} // namespace tarnlink
