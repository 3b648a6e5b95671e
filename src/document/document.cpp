#include "document.h"

#include <QDir>

namespace tarnlink {

namespace {

QString absoluteCleanPath(const QString& path)
{
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

} // namespace

qsizetype RecentFiles::indexOf(const QString& path) const
{
    const QString wanted = absoluteCleanPath(path);
    for (qsizetype i = 0; i < entries_.size(); ++i)
        if (entries_[i].compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void RecentFiles::add(const QString& path)
{
    if (path.isEmpty())
        return;
    const qsizetype at = indexOf(path);
    if (at >= 0)
        entries_.removeAt(at);
    entries_.prepend(absoluteCleanPath(path));
    while (entries_.size() > kMaxEntries)
        entries_.removeLast();
}

void RecentFiles::remove(const QString& path)
{
    const qsizetype at = indexOf(path);
    if (at >= 0)
        entries_.removeAt(at);
}

void RecentFiles::setEntries(const QStringList& entries)
{
    entries_.clear();
    for (auto it = entries.crbegin(); it != entries.crend(); ++it)
        add(*it);
}

} // namespace tarnlink
