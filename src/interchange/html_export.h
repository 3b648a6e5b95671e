#pragma once

// The HTML export: one list of links per folder under a numbered header, then an index of the
// headers. Lines end in CR LF; the literals that end in CR thus end in CR CR LF.

#include "export_walk.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <string>

namespace tarnlink {

struct HtmlExportOptions {
    bool openInNewWindow = true; // "Open in new window"
    bool showDate = true;        // "Show create date of file", from Clock::current()
    QStringList beginLines;      // "Begin of html"
    QStringList endLines;        // "End of html"
};

// None when nothing is to be written (no file at all).
std::optional<std::string> BuildHtmlExport(const TfcTreeNodes& tree, const ExportScope& scope, const HtmlExportOptions& options);

// Builds and saves; false when nothing was to be written. Throws FileError.
bool ExportToHtml(const TfcTreeNodes& tree, const ExportScope& scope, const HtmlExportOptions& options, const QString& fileName);

} // namespace tarnlink
