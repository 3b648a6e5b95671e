#pragma once

// What the readers and writers of today's browsers' bookmark files share: which addresses are
// passed over, how descriptions and visit times travel, and the text encoding of those files.

#include "import_sink.h"

#include <QtGlobal>

#include <optional>
#include <string>
#include <string_view>

namespace tarnlink {

// The longest field a bookmark file may give one bookmark; anything longer is damage.
inline constexpr size_t kMaxBookmarkFieldBytes = size_t(1) << 20;

// The names of the folders that hold a browser's bookmarks, by what they hold in the browser.
struct RootFolderNames {
    std::string menu = "Bookmarks Menu";
    std::string toolbar = "Bookmarks Toolbar";
    std::string other = "Other Bookmarks";
    std::string mobile = "Mobile Bookmarks";
};

// Why an address is passed over, or nothing when the collection keeps it: saved searches and
// the addresses of scripts and browser-internal pages, which nothing but a browser can open.
std::optional<SkipReason> PassedOverAddress(std::string_view address);

// Report a folder or a link, or why a link is passed over. Throws ImportError for a field
// longer than kMaxBookmarkFieldBytes.
void ReportFolder(ImportEvents& events, const std::string& name, const std::string& description);
void ReportBookmark(ImportEvents& events, const BookmarkLink& link);

// A text of one or more lines (ending in CR LF, LF or CR) as the collection stores a
// description, and a stored description as lines ending in LF.
std::string DescriptionFromText(std::string_view text);
std::string TextOfDescription(const std::string& description);

// A node string as UTF-8, the encoding of every browser's file: the string itself when it is
// UTF-8 already, else its Windows-1252 text converted into `converted`.
std::string_view Utf8View(const std::string& bytes, std::string& converted);

// A visit time as seconds since 1970 (UTC) and back; nothing, or an empty text, for none,
// for zero and for a time outside the years 1970 to 9999.
std::string VisitFromUnixSeconds(qint64 seconds);
std::optional<qint64> UnixSecondsOfVisit(const std::string& visited);

} // namespace tarnlink
