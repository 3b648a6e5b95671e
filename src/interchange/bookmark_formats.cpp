#include "bookmark_formats.h"

#include "chromium_bookmarks.h"
#include "file_io.h"
#include "firefox_backup.h"
#include "netscape_bookmarks.h"
#include "xbel.h"

#include "model/tree_node.h"
#include "platform/file_access.h"

#include <array>
#include <stdexcept>

namespace tarnlink {

namespace {

constexpr std::array<const char*, 4> kNames{"netscape", "firefox", "chromium", "xbel"};

} // namespace

const char* BookmarkFormatName(BookmarkFormat format)
{
    return kNames[size_t(format)];
}

std::optional<BookmarkFormat> BookmarkFormatNamed(const QString& name)
{
    for (size_t i = 0; i < kNames.size(); ++i)
        if (name == QLatin1String(kNames[i]))
            return BookmarkFormat(i);
    return std::nullopt;
}

bool CanExport(BookmarkFormat format)
{
    return format != BookmarkFormat::Firefox;
}

bool KeepsSeparators(BookmarkFormat format)
{
    return format != BookmarkFormat::Chromium;
}

void ReadBookmarkFile(BookmarkFormat format, const QString& path, ImportEvents& events, const RootFolderNames& names)
{
    const QByteArray bytes = ReadImportFile(path);
    NamingFile(path, [&] {
        switch (format) {
        case BookmarkFormat::Netscape:
            ReadNetscapeBookmarks(std::string_view(bytes.constData(), size_t(bytes.size())), events);
            break;
        case BookmarkFormat::Firefox:
            ReadFirefoxBackup(bytes, events, names);
            break;
        case BookmarkFormat::Chromium:
            ReadChromiumBookmarks(bytes, events, names);
            break;
        case BookmarkFormat::Xbel:
            ReadXbel(bytes, events);
            break;
        }
    });
}

ImportSummary ImportBookmarkFile(BookmarkFormat format, TfcTreeNodes& tree, TreeCounts& counts, const QString& path,
                                 const RootFolderNames& names)
{
    ImportSink sink(tree, counts, ImportTargetFor(tree.Selected()));
    SummaryCounter counter(sink);
    UpdateGuard update(tree);
    ReadBookmarkFile(format, path, counter, names);
    return counter.summary();
}

std::optional<std::string> BuildBookmarkExport(BookmarkFormat format, const TfcTreeNodes& tree, const ExportScope& scope,
                                               const RootFolderNames& names)
{
    switch (format) {
    case BookmarkFormat::Netscape:
        return BuildNetscapeExport(tree, scope);
    case BookmarkFormat::Chromium:
        return BuildChromiumExport(tree, scope, names);
    case BookmarkFormat::Xbel:
        return BuildXbelExport(tree, scope);
    case BookmarkFormat::Firefox:
        break;
    }
    throw std::logic_error("Firefox backups are not written");
}

bool ExportBookmarks(BookmarkFormat format, const TfcTreeNodes& tree, const ExportScope& scope, const QString& path,
                     const RootFolderNames& names)
{
    return SaveExportIfAny(path, BuildBookmarkExport(format, tree, scope, names));
}

ExportLosses ExportLossesFor(BookmarkFormat format, const TfcTreeNodes& tree, const ExportScope& scope)
{
    return CountExportLosses(tree, scope, KeepsSeparators(format));
}

} // namespace tarnlink
