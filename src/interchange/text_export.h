#pragma once

// The text export: a title for every folder and a block of "Caption:<TAB>value" lines for every
// link and separator, lines ending in CR LF, in the stored code page or in the DOS page.

#include "export_walk.h"

#include <QString>

#include <array>
#include <optional>
#include <string>

namespace tarnlink {

struct TextExportOptions {
    enum Field { Name, Link, Description, Login, Password, Clicks, Visit, FieldCount };
    // Which fields are written; Name also governs the folder titles.
    std::array<bool, FieldCount> fields{true, true, true, true, true, true, true};
    // The check boxes' captions as shown, which begin the field lines.
    std::array<QString, FieldCount> captions{QStringLiteral("Name"),     QStringLiteral("Link"),
                                             QStringLiteral("Description"), QStringLiteral("Login"),
                                             QStringLiteral("Password"), QStringLiteral("Clicks"),
                                             QStringLiteral("Visit")};
    bool dosPage = false; // "DOS page": every line converted to the OEM code page
};

// None when nothing is to be written (no file at all).
std::optional<std::string> BuildTextExport(const TfcTreeNodes& tree, const ExportScope& scope, const TextExportOptions& options);

// Builds and saves; false when nothing was to be written. Throws FileError.
bool ExportToText(const TfcTreeNodes& tree, const ExportScope& scope, const TextExportOptions& options, const QString& fileName);

} // namespace tarnlink
