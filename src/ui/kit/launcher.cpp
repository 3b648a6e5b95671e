#include "ui/kit/launcher.h"

#include <QDesktopServices>
#include <QProcess>

namespace tarnlink {

bool DesktopLauncher::startProgram(const QString& program, const QStringList& arguments)
{
    return !program.isEmpty() && QProcess::startDetached(program, arguments);
}

bool DesktopLauncher::openUrl(const QUrl& url)
{
    return url.isValid() && QDesktopServices::openUrl(url);
}

} // namespace tarnlink
