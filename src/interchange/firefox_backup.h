#pragma once

// Firefox's bookmark backups: bookmarks-*.jsonlz4 in a profile's bookmarkbackups folder, and
// the plain .json a user saves from the library window. One tree of containers, places and
// separators below the roots Bookmarks Menu, Toolbar, Other Bookmarks and Mobile.

#include "bookmark_fields.h"

#include <QByteArray>

namespace tarnlink {

class ImportEvents;

// bytes: the file as it stands, compressed ("mozLz40") or plain JSON. Every root that holds
// anything becomes a folder named after names; tags, which repeat bookmarks, are passed over,
// and so are saved searches ("place:"). "lastModified" becomes the visit time. Throws
// ImportError for a damaged file or one of another kind.
void ReadFirefoxBackup(const QByteArray& bytes, ImportEvents& events, const RootFolderNames& names = {});

} // namespace tarnlink
