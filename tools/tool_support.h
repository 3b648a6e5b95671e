#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <map>

namespace tarnlink::tool {

// Runs a command; any error becomes one line on stderr and exit status 1.
int guarded(const std::function<int()>& command);

// Reports a failure the way guarded() does.
[[noreturn]] void fail(const QString& message);

// Positional arguments and options; an option named in withValue takes the next argument.
struct Arguments {
    QStringList positional;
    std::map<QString, QString> options;

    bool has(const QString& option) const { return options.contains(option); }
};

// Fails on an unknown option, a missing value or a positional count other than positionalCount.
Arguments parseArguments(const QStringList& args, const QStringList& withValue, const QStringList& flags,
                         qsizetype positionalCount);

// The number an option's value holds; fails on anything else.
int numberValue(const QString& option, const QString& value);

} // namespace tarnlink::tool
