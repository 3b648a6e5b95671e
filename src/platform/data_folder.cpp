#include "data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tarnlink {

QString shippedDataPath(const QString& relativePath)
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString beside = programFolder + QLatin1Char('/') + relativePath;
    if (QFileInfo::exists(beside))
        return beside;
    return QDir::cleanPath(programFolder + QStringLiteral("/../share/tarnlink/") + relativePath);
}

} // namespace tarnlink
