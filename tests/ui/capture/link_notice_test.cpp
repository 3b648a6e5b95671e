// Notices of links added one after the other stand beside each other while they are visible, as
// many as the screen holds.

#include "gui_test_support.h"

#include "ui/kit/link_notice.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QSet>
#include <QTest>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

QPointer<LinkNotice> showAdded(const char* address)
{
    return LinkNotice::showAdded(QString::fromLatin1(address), {});
}

TEST(LinkNotice, FurtherNoticesStandBesideTheVisibleOnesWhileTheScreenHasRoom)
{
    ensureApp();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QList<QPointer<LinkNotice>> shown;
    while (const auto notice = showAdded("http://a.example.com/"))
        shown << notice;
    QTest::qWait(500); // the slides end; the notices stay for seconds
    ASSERT_GE(shown.size(), 4);
    QSet<int> columns;
    for (int i = 0; i < shown.size(); ++i) {
        columns << shown[i]->x();
        EXPECT_TRUE(area.contains(shown[i]->geometry())) << i;
        for (int j = 0; j < i; ++j)
            EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry())) << i << " over " << j;
    }
    EXPECT_GT(columns.size(), 1);
    EXPECT_EQ(shown[0]->geometry().bottomRight(), area.bottomRight() - QPoint(8, 8));

    // A place freed by a notice that went is taken by the next one.
    const QRect second = shown[1]->geometry();
    shown[1]->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown[1].isNull(); }, 2000));
    QPointer<LinkNotice> next = showAdded("http://b.example.com/");
    ASSERT_TRUE(next);
    QTest::qWait(500);
    EXPECT_EQ(next->geometry(), second);
    EXPECT_FALSE(showAdded("http://c.example.com/"));

    for (const auto& notice : shown + QList<QPointer<LinkNotice>>{next})
        delete notice.data();
}

} // namespace
