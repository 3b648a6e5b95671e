#include "ui/kit/icons.h"

#include "model/node_icons.h"

#include <QHash>
#include <QPixmap>

#include <array>

namespace tarnlink::images {

namespace {
// Freedesktop names tried first; an empty name or a missing theme icon falls back to ours.
constexpr std::array<const char*, kMenuImageCount> kThemeNames = {
    "document-new", "document-open", "document-save", "document-save-as", "", "", "document-print",
    "document-properties", "application-exit", "go-jump", "", "insert-link", "folder-new", "",
    "edit-find", "go-next", "dialog-password", "edit-cut", "edit-copy", "edit-paste", "edit-delete", "",
    "view-sort-ascending", "", "", "go-up", "go-down", "emblem-favorite", "", "", "web-browser",
    "preferences-system", "view-refresh", "help-contents", "help-about", "applications-internet", "",
    "text-x-generic", "image-x-generic", "mail-message-new", "dialog-information",
};

QString ownFile(const char* list, int index)
{
    return QStringLiteral(":/icons/%1/%2.svg").arg(QLatin1String(list)).arg(index);
}
} // namespace

QIcon treeImage(int index)
{
    static QHash<int, QIcon> cache;
    if (index < 0 || index >= icon::TreeImageCount)
        return {};
    auto it = cache.find(index);
    if (it == cache.end())
        it = cache.insert(index, QIcon(ownFile("tree", index)));
    return *it;
}

QIcon treeIcon(int imageIndex, int selectedIndex)
{
    static QHash<quint64, QIcon> cache;
    const quint64 key = (quint64(quint32(imageIndex)) << 32) | quint32(selectedIndex);
    auto it = cache.find(key);
    if (it != cache.end())
        return *it;
    QIcon pair;
    const QIcon normal = treeImage(imageIndex);
    const QIcon selected = treeImage(selectedIndex);
    for (int size : {16, 24, 32}) {
        if (!normal.isNull())
            pair.addPixmap(normal.pixmap(size, size), QIcon::Normal);
        if (!selected.isNull())
            pair.addPixmap(selected.pixmap(size, size), QIcon::Selected);
    }
    return *cache.insert(key, pair);
}

QIcon menuImage(int index)
{
    static QHash<int, QIcon> cache;
    if (index < 0 || index >= kMenuImageCount)
        return {};
    auto it = cache.find(index);
    if (it == cache.end()) {
        const QIcon own(ownFile("menu", index));
        const char* name = kThemeNames[index];
        it = cache.insert(index, *name ? QIcon::fromTheme(QLatin1String(name), own) : own);
    }
    return *it;
}

QIcon applicationIcon()
{
    static const QIcon icon(QStringLiteral(":/icons/tarnlink.svg"));
    return icon;
}

} // namespace tarnlink::images
