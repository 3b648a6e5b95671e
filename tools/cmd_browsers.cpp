// browsers: the bookmark files of the browser profiles found under the home folder, one a line:
// format, browser, path, separated by tabs.

#include "commands.h"
#include "tool_support.h"

#include "interchange/browser_profiles.h"

#include <QDir>

#include <cstdio>

namespace tarnlink::tool {

int runBrowsers(const QStringList& args)
{
    const Arguments parsed = parseArguments(args, {"--home"}, {}, 0);
    const QString home = parsed.has("--home") ? parsed.options.at("--home") : QDir::homePath();
    for (const BrowserProfile& profile : FindBrowserProfiles(home)) {
        const QByteArray line = QStringLiteral("%1\t%2\t%3\n")
                                    .arg(QLatin1String(BookmarkFormatName(profile.format)), profile.browser,
                                         QDir::toNativeSeparators(profile.path))
                                    .toUtf8();
        std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    }
    return 0;
}

} // namespace tarnlink::tool
