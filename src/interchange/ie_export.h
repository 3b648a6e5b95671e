#pragma once

// The Internet Explorer export: a directory per folder and an Internet shortcut file per link,
// below a chosen folder and never outside it.

#include "export_walk.h"

#include <QString>

#include <string>
#include <string_view>

namespace tarnlink {

std::string ShortcutFileText(std::string_view address);

struct IeExportResult {
    int written = 0;
    // Shortcuts the system refused: in a directory that could not be made, or cut short by a
    // full disk. What is left alone on purpose is no failure.
    int failed = 0;
    QString firstFailure; // "path: cause" of the first of them
};

// Writes below folder (an existing directory). An existing file is left untouched, and a name
// that is "." or ".." or holds "/" gives neither a file nor a directory, nor anything inside
// it; links with an empty address give nothing either. Every other shortcut that cannot be
// written is counted, and the export goes on. "Select folder" writes the folder at the path of
// its ancestors, creating their directories as needed.
IeExportResult ExportToIE(const TfcTreeNodes& tree, const ExportScope& scope, const QString& folder);

} // namespace tarnlink
