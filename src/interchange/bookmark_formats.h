#pragma once

// The bookmark files of today's browsers as one family: reading any of them into the import
// sink with a summary, and writing those that can be written.

#include "bookmark_fields.h"
#include "export_walk.h"
#include "import_summary.h"
#include "nested_export.h"

#include <QString>

#include <optional>
#include <string>

namespace tarnlink {

class ImportEvents;
struct TreeCounts;

enum class BookmarkFormat { Netscape, Firefox, Chromium, Xbel };

// The names the tool takes: "netscape", "firefox", "chromium", "xbel".
const char* BookmarkFormatName(BookmarkFormat format);
std::optional<BookmarkFormat> BookmarkFormatNamed(const QString& name);

// Firefox backups are read only.
bool CanExport(BookmarkFormat format);
// Separators are lost only in Chromium's files.
bool KeepsSeparators(BookmarkFormat format);

// Reads the whole file and reports what it holds. Throws FileError when it cannot be read and
// ImportError when it is damaged or of another kind; the detail names the file.
void ReadBookmarkFile(BookmarkFormat format, const QString& path, ImportEvents& events,
                      const RootFolderNames& names = {});

// The whole import: below the import target of the tree's selection, inside one update bracket.
// What was read before an error stays.
ImportSummary ImportBookmarkFile(BookmarkFormat format, TfcTreeNodes& tree, TreeCounts& counts, const QString& path,
                                 const RootFolderNames& names = {});

// The file's bytes, or none when nothing is to be written. format must be one CanExport allows.
std::optional<std::string> BuildBookmarkExport(BookmarkFormat format, const TfcTreeNodes& tree, const ExportScope& scope,
                                               const RootFolderNames& names = {});
// Builds and saves; false, and no file, when nothing was to be written. Throws FileError.
bool ExportBookmarks(BookmarkFormat format, const TfcTreeNodes& tree, const ExportScope& scope, const QString& path,
                     const RootFolderNames& names = {});

// What the export leaves out (see CountExportLosses).
ExportLosses ExportLossesFor(BookmarkFormat format, const TfcTreeNodes& tree, const ExportScope& scope);

} // namespace tarnlink
