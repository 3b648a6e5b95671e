#pragma once

#include <QString>

#include <functional>

namespace tarnlink::tool {

// Runs a command; any error becomes one line on stderr and exit status 1.
int guarded(const std::function<int()>& command);

// Reports a failure the way guarded() does.
[[noreturn]] void fail(const QString& message);

} // namespace tarnlink::tool
