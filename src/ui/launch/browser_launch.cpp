#include "ui/launch/browser_launch.h"

#include "ui/kit/launcher.h"

#include <QUrl>

namespace tarnlink {

const std::string& ChooseLinkAddress(const std::string& link1, const std::string& link2, int which)
{
    switch (which) {
    case 1:
        return link1;
    case 2:
        return link2;
    default:
        return link1.empty() ? link2 : link1;
    }
}

QString ChooseAddress(const QString& first, const QString& second, bool preferSecond)
{
    if (first.isEmpty() || (preferSecond && !second.isEmpty()))
        return second;
    return first;
}

void OpenInBrowser(Launcher& launcher, const QString& browserProgram, const QString& address)
{
    if (!browserProgram.isEmpty()) {
        if (!launcher.startProgram(browserProgram, {address}))
            throw LaunchError("Couldn't launch browser!");
        return;
    }
    // The desktop's handler needs an address with a scheme; "www.example.com" becomes an http one,
    // as a browser would take it when typed.
    if (!launcher.openUrl(QUrl::fromUserInput(address)))
        throw LaunchError("Couldn't launch default browser!");
}

} // namespace tarnlink
