#pragma once

// XBEL 1.0, the XML bookmark exchange language of KDE, GNOME and sync tools: "folder",
// "bookmark" and "separator" elements, each folder and bookmark with "title" and "desc".

#include "export_walk.h"

#include <QByteArray>

#include <optional>
#include <string>

namespace tarnlink {

class ImportEvents;

// Reports the file's folders, bookmarks and separators; a bookmark's "visited" becomes its
// visit time, aliases are passed over, and "info" (other programs' metadata, none of which has a
// field of ours) is skipped. Entities other than XML's own are never expanded: a file that
// declares any is refused. Throws ImportError for a damaged file or one of another kind.
void ReadXbel(const QByteArray& xml, ImportEvents& events);

// None when nothing is to be written.
std::optional<std::string> BuildXbelExport(const TfcTreeNodes& tree, const ExportScope& scope);

} // namespace tarnlink
