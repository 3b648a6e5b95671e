#pragma once

// Where the editing windows find the prompts in use. The main window may swap its prompts (tests
// install scripted ones), so they ask each time instead of keeping a reference.

#include <functional>

namespace tarnlink {

class Prompts;

using PromptsSource = std::function<Prompts&()>;

// Always the same prompts.
inline PromptsSource FixedPrompts(Prompts& prompts)
{
    return [&prompts]() -> Prompts& { return prompts; };
}

} // namespace tarnlink
