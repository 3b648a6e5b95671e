#pragma once

// "Clear favorites": empties a favorites folder and makes it anew, never reaching outside it.

#include <QString>

namespace tarnlink {

enum class ClearResult {
    Refused,    // nothing touched: no path, not a directory, or the home folder or one that holds it
    Cleared,    // emptied, removed and made again
    Incomplete, // something stayed (a name beginning with ".", or one that could not be removed)
};

// A folder that may be cleared: a path given, no plain file, and neither the home folder nor a
// folder that holds it (so never "/"), judged where symbolic links lead.
bool MayClearFolder(const QString& folder, const QString& home);

// Refused unless MayClearFolder. Deletes the folder's files and, depth first, its subdirectories, passing over every entry whose
// name begins with "."; then removes the folder and creates it again, empty. A symbolic link is
// removed as a link, never followed; a folder that is itself a link is cleared where it leads.
// A missing folder is only created (Incomplete).
ClearResult ClearFavoritesFolder(const QString& folder, const QString& home);

} // namespace tarnlink
