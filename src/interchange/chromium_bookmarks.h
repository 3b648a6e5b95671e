#pragma once

// The "Bookmarks" file of a Chromium-family browser profile (Chrome, Chromium, Brave, Edge,
// Vivaldi, Opera): JSON whose "roots" bookmark_bar, other and synced hold trees of "url" and
// "folder" entries. Times are microseconds since 1601 (UTC), as decimal text.

#include "bookmark_fields.h"
#include "export_walk.h"

#include <QByteArray>

#include <optional>
#include <string>

namespace tarnlink {

class ImportEvents;

// Every root that holds anything becomes a folder named after names (bookmark bar: toolbar,
// other: other, synced: mobile); "date_last_used" becomes the visit time, the description of
// "meta_info" the description. Throws ImportError for a damaged file or one of another kind.
void ReadChromiumBookmarks(const QByteArray& bytes, ImportEvents& events, const RootFolderNames& names = {});

// A file the browser loads: the checksum is left empty, which the browser accepts from a file
// it did not write. In "Whole document" a top-level folder named after a root (the first of
// each name) fills that root and everything else goes to the bookmark bar; separators, which
// the format lacks, are left out.
std::optional<std::string> BuildChromiumExport(const TfcTreeNodes& tree, const ExportScope& scope,
                                               const RootFolderNames& names = {});

} // namespace tarnlink
