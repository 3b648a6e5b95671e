#pragma once

// The Internet Explorer export: a directory per folder and an Internet shortcut file per link,
// below a chosen folder and never outside it.

#include "export_walk.h"

#include <QString>

#include <string>
#include <string_view>

namespace tarnlink {

std::string ShortcutFileText(std::string_view address);

// Writes below folder (an existing directory). An existing file is left untouched, and a name
// that is "." or ".." or holds "/" gives neither a file nor a directory, nor anything inside
// it; other failures are passed over silently, as are links with an empty address. "Select
// folder" writes the folder at the path of its ancestors, creating their directories as needed.
// Returns the number of shortcut files written.
int ExportToIE(const TfcTreeNodes& tree, const ExportScope& scope, const QString& folder);

} // namespace tarnlink
