#include "tool_support.h"

#include <cstdio>
#include <exception>
#include <stdexcept>

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

int guarded(const std::function<int()>& command)
{
    try {
        return command();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tarnlink-tool: %s\n", e.what());
        return 1;
    }
}

} // namespace tarnlink::tool
