#include "file_access.h"

#include <QFile>

#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnlink {

namespace {

QString sizeText(qint64 bytes)
{
    constexpr qint64 MiB = qint64(1) << 20, GiB = qint64(1) << 30;
    if (bytes % GiB == 0)
        return QStringLiteral("%1 GiB").arg(bytes / GiB);
    if (bytes % MiB == 0)
        return QStringLiteral("%1 MiB").arg(bytes / MiB);
    return QStringLiteral("%1 bytes").arg(bytes);
}

// Why a file of this kind and size is not read, or nothing when it may be.
QString refusal(const struct stat& info, qint64 maxBytes)
{
    if (S_ISDIR(info.st_mode))
        return SystemCause(EISDIR);
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("Not a regular file");
    if (info.st_size > maxBytes)
        return QStringLiteral("File is larger than %1").arg(sizeText(maxBytes));
    return {};
}

} // namespace

QString SystemCause(int error)
{
    return QString::fromStdString(std::generic_category().message(error));
}

void ThrowFileError(const char* text, const QString& path, const QString& cause)
{
    throw FileError(text, (QDir::toNativeSeparators(path) + QStringLiteral(": ") + cause).toStdString());
}

void OpenUserFile(QFile& file, const QString& path, qint64 maxBytes)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    // Looked at before opening: opening a device can have effects of its own.
    if (::stat(name.constData(), &info) != 0)
        ThrowFileError("Cannot open file", path, SystemCause(errno));
    if (const QString why = refusal(info, maxBytes); !why.isEmpty())
        ThrowFileError("Cannot open file", path, why);
    // Without waiting: the path may have become a FIFO since; the check below refuses it.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        ThrowFileError("Cannot open file", path, SystemCause(errno));
    QString why;
    if (::fstat(fd, &info) != 0)
        why = SystemCause(errno);
    else
        why = refusal(info, maxBytes);
    if (why.isEmpty() && ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        why = SystemCause(errno);
    if (why.isEmpty() && !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        why = file.errorString();
    if (!why.isEmpty()) {
        ::close(fd);
        ThrowFileError("Cannot open file", path, why);
    }
}

QByteArray ReadUserFile(const QString& path, qint64 maxBytes)
{
    QFile file;
    OpenUserFile(file, path, maxBytes);
    // The size checked on opening bounds the read, also when the file grows meanwhile.
    QByteArray bytes = file.read(file.size());
    if (file.error() != QFileDevice::NoError)
        ThrowFileError("Cannot read file", path, file.errorString());
    return bytes;
}

std::optional<QByteArray> ReadUserFileIfAny(const QString& path, qint64 maxBytes)
{
    try {
        return ReadUserFile(path, maxBytes);
    } catch (const FileError&) {
        return std::nullopt;
    }
}

void WriteAll(QIODevice& device, const QString& path, std::string_view bytes)
{
    while (!bytes.empty()) {
        const qint64 written = device.write(bytes.data(), qint64(bytes.size()));
        if (written <= 0)
            ThrowFileError("Cannot write file", path, device.errorString());
        bytes.remove_prefix(size_t(written));
    }
}

} // namespace tarnlink
