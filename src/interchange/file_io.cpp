#include "file_io.h"

#include "platform/file_access.h"

#include <QSaveFile>

namespace tarnlink {

QByteArray ReadImportFile(const QString& path)
{
    return ReadUserFile(path, kMaxDataFileBytes);
}

void SaveExportFile(const QString& path, std::string_view bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        ThrowFileError("Cannot create file", path, file.errorString());
    WriteAll(file, path, bytes);
    if (!file.commit())
        ThrowFileError("Cannot write file", path, file.errorString());
}

bool SaveExportIfAny(const QString& path, const std::optional<std::string>& bytes)
{
    if (bytes)
        SaveExportFile(path, *bytes);
    return bytes.has_value();
}

} // namespace tarnlink
