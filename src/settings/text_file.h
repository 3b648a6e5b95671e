#pragma once

// Reading the small text files of the program (settings, language files, tips) as lines.

#include "platform/file_access.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace tarnlink {

// The lines of a text as TextLines takes them. Each line is decoded on its own (UTF-8 when
// valid, else Windows-1252), so a file edited on Windows still reads.
QStringList splitTextLines(const QByteArray& bytes);

// The file's bytes, or nothing when it does not exist, cannot be read, is no regular file or is
// larger than kMaxTextFileBytes: a path naming a device or a huge file must neither hang the
// program nor make it allocate without bound.
std::optional<QByteArray> readSmallFile(const QString& path);

// The file's lines, or nothing when readSmallFile gives nothing.
std::optional<QStringList> readTextFileLines(const QString& path);

} // namespace tarnlink
