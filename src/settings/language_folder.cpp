#include "language_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tarnlink {

QString languageFolder()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString beside = programFolder + QStringLiteral("/Language");
    if (QFileInfo(beside).isDir())
        return beside;
    return QDir::cleanPath(programFolder + QStringLiteral("/../share/tarnlink/Language"));
}

} // namespace tarnlink
