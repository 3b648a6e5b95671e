#pragma once

// The Netscape bookmark file, which every browser exports and imports: "<DL>" lists of "<DT>"
// entries, "<H3>" folders, "<A HREF>" links, "<DD>" descriptions and "<HR>" separators, in the
// loose HTML browsers write (unclosed "<DT>" and "<p>", tags in any letter case).

#include "export_walk.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarnlink {

class ImportEvents;

// Reports the file's folders, links and separators in file order; "LAST_VISIT" becomes the
// visit time. Tags left open are closed at the end. Throws ImportError for a text without any
// bookmark list or the doctype of one.
void ReadNetscapeBookmarks(std::string_view html, ImportEvents& events);

// The file as the browsers write it, in UTF-8; none when nothing is to be written.
std::optional<std::string> BuildNetscapeExport(const TfcTreeNodes& tree, const ExportScope& scope);

} // namespace tarnlink
