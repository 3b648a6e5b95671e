#pragma once

// Import files are read whole (platform/file_access.h); exports are built in memory and saved in
// one piece.

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace tarnlink {

// The maker's web site, named in the HTML pages and shortcut files the program writes.
inline constexpr std::string_view kMakerWebSite = "https://tarnlink.example/";

// The whole import file; collections and imports are capped by what memory can hold. Throws
// FileError.
QByteArray ReadImportFile(const QString& path);

// Replaces the file at path only once every byte is written: a failed save leaves any old file
// as it was. Throws FileError.
void SaveExportFile(const QString& path, std::string_view bytes);

// Saves a built export; false, and no file, when there was nothing to write. Throws FileError.
bool SaveExportIfAny(const QString& path, const std::optional<std::string>& bytes);

} // namespace tarnlink
