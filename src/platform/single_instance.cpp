#include "single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace tarnlink {

SingleInstanceLock::SingleInstanceLock(const QString& lockPath)
    : lock_(std::make_unique<QLockFile>(lockPath))
{
    QDir().mkpath(QFileInfo(lockPath).absolutePath());
    acquired_ = lock_->tryLock(0);
}

QString SingleInstanceLock::defaultPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/tarnlink.lock");
}

} // namespace tarnlink
