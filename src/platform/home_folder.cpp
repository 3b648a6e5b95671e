#include "home_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tarnlink {

QString chooseHomeFolder(const QString& override, const QString& programFolder, const QString& configFolder)
{
    if (!override.isEmpty())
        return QDir::cleanPath(override);
    const QFileInfo program(programFolder);
    if (!programFolder.isEmpty()
        && (program.isWritable() || QFileInfo::exists(programFolder + '/' + kSettingsFileName)))
        return QDir::cleanPath(programFolder);
    return QDir::cleanPath(configFolder + QStringLiteral("/Tarnlink"));
}

QString homeFolder()
{
    return chooseHomeFolder(qEnvironmentVariable(kHomeVariable), QCoreApplication::applicationDirPath(),
                            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

QString settingsFilePath()
{
    return homeFolder() + '/' + kSettingsFileName;
}

} // namespace tarnlink
