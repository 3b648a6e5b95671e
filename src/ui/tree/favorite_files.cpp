#include "ui/tree/favorite_files.h"

#include "model/tree_node.h"
#include "platform/codepage.h"
#include "platform/favorites_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <string_view>
#include <vector>

namespace tarnlink {

namespace {

bool isSafeName(std::string_view name)
{
    return !name.empty() && IsSafeFavoritesName(name);
}

// The directory of a folder below the favorites folder, walking down from the top-level
// ancestor; empty when a name on the way is unsafe or a directory on the way is not a real one.
QString directoryOf(const TfcTreeNode* folder, const QString& favoritesFolder)
{
    std::vector<const TfcTreeNode*> chain;
    for (const TfcTreeNode* n = folder; n; n = n->Parent())
        chain.push_back(n);
    QString path = favoritesFolder;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        if (!isSafeName((*it)->Name()))
            return {};
        path += QLatin1Char('/') + codepage::toDisplay((*it)->Name());
        const QFileInfo info(path);
        if (!info.isDir() || info.isSymLink())
            return {};
    }
    return path;
}

} // namespace

void DeleteFavoriteOf(const TfcTreeNode& node, const QString& favoritesFolder)
{
    if (favoritesFolder.isEmpty() || !isSafeName(node.Name()))
        return;
    if (node.IsFolder()) {
        const QString dir = directoryOf(&node, favoritesFolder);
        if (!dir.isEmpty())
            QDir().rmdir(dir); // refuses a directory that is not empty
        return;
    }
    if (!node.IsLink())
        return;
    const QString dir = node.Parent() ? directoryOf(node.Parent(), favoritesFolder) : favoritesFolder;
    if (dir.isEmpty())
        return;
    // A symbolic link in the shortcut's place is removed itself, never what it points to.
    QFile::remove(dir + QLatin1Char('/') + codepage::toDisplay(node.Name()) + QStringLiteral(".url"));
}

} // namespace tarnlink
