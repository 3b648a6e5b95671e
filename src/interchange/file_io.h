#pragma once

// Files are read whole; exports are built in memory and saved in one piece.

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>
#include <string_view>

class QIODevice;

namespace tarnlink {

// The maker's web site, named in the HTML pages and shortcut files the program writes.
inline constexpr std::string_view kMakerWebSite = "https://tarnlink.example/";

// The whole file; throws FileError when it cannot be opened or read.
QByteArray ReadImportFile(const QString& path);

// Throws FileError unless the device took every byte.
void WriteExport(QIODevice& device, std::string_view bytes);

// Replaces the file at path only once every byte is written: a failed save leaves any old file
// as it was. Throws FileError.
void SaveExportFile(const QString& path, std::string_view bytes);

// Saves a built export; false, and no file, when there was nothing to write. Throws FileError.
bool SaveExportIfAny(const QString& path, const std::optional<std::string>& bytes);

} // namespace tarnlink
