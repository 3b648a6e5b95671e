#include "ui/kit/command_guard.h"
#include "ui/testing/scripted_prompts.h"

#include <gtest/gtest.h>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

// The fixed text stays translatable; what it is about follows on a line of its own, as it is.
TEST(CommandGuard, ErrorsShowTheirTextThenWhatTheyAreAbout)
{
    ScriptedPrompts prompts;
    EXPECT_FALSE(RunGuarded(prompts, [] { throw StreamReadError("/home/u/broken.tlk"); }));
    EXPECT_FALSE(RunGuarded(prompts, [] { throw InvalidIndexError(); }));
    EXPECT_FALSE(RunGuarded(prompts, [] { throw std::bad_alloc(); }));
    EXPECT_TRUE(RunGuarded(prompts, [] {}));
    EXPECT_EQ(prompts.take(), (QStringList{"error: Stream read error\n/home/u/broken.tlk", "error: Invalid index",
                                           "error: Out of memory"}));
}

} // namespace
