#pragma once

// Files the user names. Reading accepts a regular file of a sane size only, so a device, a FIFO
// or a huge file can neither hang the program nor make it allocate without bound; writing
// reports the system's cause. Every FileError names the file and the cause in its detail.

#include "model/errors.h"

#include <QByteArray>
#include <QDir>
#include <QString>

#include <optional>
#include <string_view>
#include <utility>

class QFile;
class QIODevice;

namespace tarnlink {

// Collections and imports may be large; they are capped by what memory can hold.
inline constexpr qint64 kMaxDataFileBytes = qint64(2) << 30;
// The program's small text files: settings, language files, tips, templates, shortcuts.
inline constexpr qint64 kMaxTextFileBytes = qint64(16) << 20;
// Pictures shown in the properties editor.
inline constexpr qint64 kMaxPictureBytes = qint64(256) << 20;

// The system's text for an errno value, such as "No space left on device".
QString SystemCause(int error);

// A FileError with the fixed text and, as detail, "path: cause".
[[noreturn]] void ThrowFileError(const char* text, const QString& path, const QString& cause);

// Opens path for reading. A FIFO, a device or a folder is refused without being opened for
// reading or waited on, and so is a file larger than maxBytes. Throws FileError.
void OpenUserFile(QFile& file, const QString& path, qint64 maxBytes);

// The whole file, opened as OpenUserFile does. Throws FileError.
QByteArray ReadUserFile(const QString& path, qint64 maxBytes);
// The same, or nothing for a file that cannot be read, for files whose absence is no error.
std::optional<QByteArray> ReadUserFileIfAny(const QString& path, qint64 maxBytes);

// Writes every byte or throws FileError naming path. A short write is followed by another, so
// the system states its cause ("No space left on device") instead of leaving none; a file must
// be opened Unbuffered for its failures to surface here rather than at close.
void WriteAll(QIODevice& device, const QString& path, std::string_view bytes);

// Runs read; an error of ours that names no file yet is given path as its detail.
template <typename Read>
decltype(auto) NamingFile(const QString& path, Read&& read)
{
    try {
        return std::forward<Read>(read)();
    } catch (Error& e) {
        if (e.detail().empty())
            e.setDetail(QDir::toNativeSeparators(path).toStdString());
        throw;
    }
}

} // namespace tarnlink
