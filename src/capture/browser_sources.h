#pragma once

// The browsers "Add from browser" asks on this system, in the order it asks them.

#include "page_source.h"

#include <QDir>
#include <QString>

namespace tarnlink {

// Firefox's session store first, then the debugging port of Chromium-family browsers.
PageSources BrowserPageSources(const QString& home = QDir::homePath());

} // namespace tarnlink
