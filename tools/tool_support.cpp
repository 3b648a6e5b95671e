#include "tool_support.h"

#include "model/errors.h"

#include <cstdio>
#include <exception>
#include <new>
#include <stdexcept>
#include <string>

namespace tarnlink::tool {

namespace {
struct ToolFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};
} // namespace

void fail(const QString& message)
{
    throw ToolFailure(message.toStdString());
}

Arguments parseArguments(const QStringList& args, const QStringList& withValue, const QStringList& flags,
                         qsizetype positionalCount)
{
    Arguments parsed;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!arg.startsWith(QLatin1String("--"))) {
            parsed.positional << arg;
        } else if (withValue.contains(arg)) {
            if (++i == args.size())
                fail(arg + " needs a value");
            parsed.options[arg] = args[i];
        } else if (flags.contains(arg)) {
            parsed.options[arg] = QString();
        } else {
            fail("unknown option " + arg);
        }
    }
    if (parsed.positional.size() != positionalCount)
        fail(QStringLiteral("expected %1 arguments, got %2").arg(positionalCount).arg(parsed.positional.size()));
    return parsed;
}

int numberValue(const QString& option, const QString& value)
{
    bool ok = false;
    const int n = value.toInt(&ok);
    if (!ok)
        fail(option + " needs a number: " + value);
    return n;
}

int guarded(const std::function<int()>& command)
{
    std::string message;
    try {
        return command();
    } catch (const Error& e) {
        message = e.fullText();
    } catch (const std::bad_alloc&) {
        message = "Out of memory";
    } catch (const std::exception& e) {
        message = e.what();
    }
    std::fprintf(stderr, "tarnlink-tool: %s\n", message.c_str());
    return 1;
}

} // namespace tarnlink::tool
