#pragma once

// Runs the built tarnlink-tool as a user would and keeps what it answered.

#include <QByteArray>
#include <QProcess>
#include <QStringList>

#include <sys/resource.h>

namespace tarnlink {

struct ToolRun {
    int status;
    QByteArray out, err;
};

// dataLimit caps the tool's data segment (heap included), as a machine short of memory would.
inline ToolRun tool(const QStringList& args, const QByteArray& input = {}, rlim_t dataLimit = RLIM_INFINITY)
{
    QProcess p;
    p.setChildProcessModifier([dataLimit] {
        const struct rlimit limit {dataLimit, dataLimit};
        setrlimit(RLIMIT_DATA, &limit);
    });
    p.start(TARNLINK_TOOL, args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(30000);
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

} // namespace tarnlink
