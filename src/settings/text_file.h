#pragma once

// Reading the small text files of the program (settings, language files) as lines.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace tarnlink {

// Larger files are refused rather than read: settings and language files are a few kilobytes,
// and a path naming a device or a huge file must not make the program allocate without bound.
inline constexpr qint64 kMaxTextFileBytes = 16 * 1024 * 1024;

// The lines of a text: a line ends at CR LF, LF or CR, a NUL ends the text, and a final line
// break adds no empty line. Each line is decoded on its own (UTF-8 when valid, else
// Windows-1252), so a file edited on Windows still reads.
QStringList splitTextLines(const QByteArray& bytes);

// The file's bytes, or nothing when it does not exist, cannot be read or is too large.
std::optional<QByteArray> readSmallFile(const QString& path);

// The file's lines, or nothing when it does not exist, cannot be read or is too large.
std::optional<QStringList> readTextFileLines(const QString& path);

} // namespace tarnlink
