// A flood of changes is shown at most once per interval, and the last change is never left
// unshown.

#include "gui_test_support.h"

#include "ui/linkcheck/paced_update.h"

#include <QTest>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

TEST(PacedUpdate, AFloodIsShownOnceAtOnceAndOnceAfterItsLastChange)
{
    ensureApp();
    int shown = 0;
    int value = 0;
    int shownValue = -1;
    PacedUpdate paced(std::chrono::milliseconds(500), [&] {
        ++shown;
        shownValue = value;
    });
    for (value = 1; value <= 100; ++value)
        paced.changed();
    --value;
    EXPECT_EQ(shown, 1); // the first change, at once
    EXPECT_EQ(shownValue, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown == 2; }, 3000));
    EXPECT_EQ(shownValue, 100);
    QTest::qWait(600);
    EXPECT_EQ(shown, 2); // nothing more without a change

    value = 101;
    paced.changed(); // an interval after the last showing: at once
    EXPECT_EQ(shownValue, 101);
    value = 102;
    paced.changed();
    paced.flush();
    EXPECT_EQ(shownValue, 102);
    QTest::qWait(600);
    EXPECT_EQ(shown, 4); // the flush took the pending showing along
}

} // namespace
