#include "browser_sources.h"

#include "devtools_source.h"
#include "firefox_session.h"

namespace tarnlink {

PageSources BrowserPageSources(const QString& home)
{
    PageSources sources;
    sources.push_back(std::make_unique<FirefoxSessionSource>(home));
    sources.push_back(std::make_unique<DevToolsSource>(home));
    return sources;
}

} // namespace tarnlink
