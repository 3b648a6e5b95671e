// tarnlink-tool: the command-line companion of Tarnlink.

#include "commands.h"
#include "tool_support.h"

#include <QCoreApplication>

#include <cstdio>
#include <functional>
#include <map>

using namespace tarnlink::tool;

namespace {

struct Command {
    std::function<int(const QStringList&)> run;
    const char* usage;
};

const std::map<QString, Command>& commands()
{
    static const std::map<QString, Command> table{
        {"dump", {runDump, "dump COLLECTION"}},
        {"build", {runBuild, "build COLLECTION < JSON"}},
        {"import", {runImport, "import ie|opera|text|tlk|netscape|firefox|chromium|xbel SOURCE COLLECTION [--into INDEX]"}},
        {"check", {runCheck, "check COLLECTION [--threads N] [--delay MS] [--update-moved] [--selected INDEX,...]"}},
        {"export", {runExport, "export ie|opera|html|text|netscape|chromium|xbel COLLECTION TARGET [--folder INDEX] [--no-subfolders]"
                               " [--no-new-window] [--no-date] [--begin FILE] [--end FILE] [--dos] [--fields LIST]"}},
        {"browsers", {runBrowsers, "browsers [--home FOLDER]"}},
    };
    return table;
}

int usage()
{
    std::fputs("usage: tarnlink-tool COMMAND ARGS\n", stderr);
    for (const auto& [name, command] : commands())
        std::fprintf(stderr, "  tarnlink-tool %s\n", command.usage);
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const auto it = commands().find(args.takeFirst());
    if (it == commands().end())
        return usage();
    return guarded([&] { return it->second.run(args); });
}
