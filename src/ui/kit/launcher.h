#pragma once

// Every program the window starts goes through this seam: browsers, the desktop's handler of an
// address (web pages, mailto: mails, files), so tests record what would be started instead of
// starting it. Addresses and file names are handed over as arguments, never through a shell.

#include <QString>
#include <QStringList>
#include <QUrl>

namespace tarnlink {

class Launcher {
public:
    virtual ~Launcher() = default;
    // Starts the program with the arguments, detached; false when it could not be started.
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;
    // Opens the address with the desktop's handler for its scheme (the portal or xdg-open).
    virtual bool openUrl(const QUrl& url) = 0;
};

// The real one: QProcess::startDetached and QDesktopServices::openUrl.
class DesktopLauncher : public Launcher {
public:
    bool startProgram(const QString& program, const QStringList& arguments) override;
    bool openUrl(const QUrl& url) override;
};

} // namespace tarnlink
