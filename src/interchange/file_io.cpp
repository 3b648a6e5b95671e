#include "file_io.h"

#include "model/errors.h"

#include <QFile>
#include <QSaveFile>

namespace tarnlink {

QByteArray ReadImportFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError("Cannot open file \"" + path.toStdString() + "\". " + file.errorString().toStdString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError("Cannot read file \"" + path.toStdString() + "\". " + file.errorString().toStdString());
    return bytes;
}

void WriteExport(QIODevice& device, std::string_view bytes)
{
    if (device.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
        throw FileError("Cannot write the export. " + device.errorString().toStdString());
}

void SaveExportFile(const QString& path, std::string_view bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw FileError("Cannot create file \"" + path.toStdString() + "\". " + file.errorString().toStdString());
    WriteExport(file, bytes);
    if (!file.commit())
        throw FileError("Cannot write file \"" + path.toStdString() + "\". " + file.errorString().toStdString());
}

bool SaveExportIfAny(const QString& path, const std::optional<std::string>& bytes)
{
    if (bytes)
        SaveExportFile(path, *bytes);
    return bytes.has_value();
}

} // namespace tarnlink
