#pragma once

// The favorites file of a deleted node: the shortcut of a link or the directory of a folder, at
// the node's path below the favorites folder. Nothing outside that folder is ever touched.

#include <QString>

namespace tarnlink {

class TfcTreeNode;

// Removes the shortcut "<path of the parent>/<name>.url" of a link, or the directory at the
// folder's path when it is empty. A name that is "." or ".." or holds "/" on the way gives
// nothing, and neither does a directory on the way that is a symbolic link. Failures are
// passed over silently.
void DeleteFavoriteOf(const TfcTreeNode& node, const QString& favoritesFolder);

} // namespace tarnlink
