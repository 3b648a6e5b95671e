#pragma once

// The sub-commands of tarnlink-tool. Each takes the arguments after its name and returns the
// process exit status; errors are one line on stderr.

#include <QStringList>

namespace tarnlink::tool {

int runDump(const QStringList& args);
int runBuild(const QStringList& args);
int runImport(const QStringList& args);
int runExport(const QStringList& args);
int runCheck(const QStringList& args);
int runBrowsers(const QStringList& args);

} // namespace tarnlink::tool
