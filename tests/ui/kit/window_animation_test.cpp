// Window animations as the options choose them: which windows animate, how long, in how many
// steps, and that nothing animates without a compositor or without the choice.

#include "settings/settings.h"
#include "ui/kit/window_animation.h"

#include <QApplication>
#include <QLabel>
#include <QPropertyAnimation>
#include <QWidget>

#include <gtest/gtest.h>

using namespace tarnlink;

namespace {

class WindowAnimationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetCompositingProbe([this] { return compositing; });
        options.chkOnShow = options.chkOnHide = true;
        options.spDelay = 1;
        options.spFrame = 5;
        options.spStep = 4;
    }
    void TearDown() override
    {
        SetCompositingProbe({});
        for (QWidget* ghost : ghosts())
            delete ghost;
    }
    static QList<QWidget*> ghosts()
    {
        QList<QWidget*> found;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("WindowAnimationGhost"))
                found << w;
        return found;
    }
    static QPropertyAnimation* running(QObject& window)
    {
        for (auto* a : window.findChildren<QPropertyAnimation*>())
            if (a->state() == QAbstractAnimation::Running)
                return a;
        return nullptr;
    }

    bool compositing = true;
    OptionsSection options;
};

TEST_F(WindowAnimationTest, ChoicePerWindow)
{
    options.chkFindW = false;
    options.chkOnHide = false;
    const WindowAnimationChoice find = WindowAnimationOf(options, AnimatedWindow::Find);
    EXPECT_FALSE(find.onShow);
    EXPECT_FALSE(find.onHide);
    EXPECT_EQ(find.durationMs, 0);

    const WindowAnimationChoice add = WindowAnimationOf(options, AnimatedWindow::Add);
    EXPECT_TRUE(add.onShow);
    EXPECT_FALSE(add.onHide);
    EXPECT_EQ(add.durationMs, 200); // 1 × 5 frames of 40 ms
    EXPECT_EQ(add.steps, 4);

    // The sort window's choice is off until the preferences turn it on.
    EXPECT_FALSE(WindowAnimationOf(options, AnimatedWindow::Sort).onShow);
    options.chkSortW = true;
    EXPECT_TRUE(WindowAnimationOf(options, AnimatedWindow::Sort).onShow);

    // Values from a file are held to the boxes' ranges.
    options.spDelay = 500;
    options.spFrame = -3;
    options.spStep = 0;
    const WindowAnimationChoice odd = WindowAnimationOf(options, AnimatedWindow::Main);
    EXPECT_EQ(odd.durationMs, 10 * 1 * 40);
    EXPECT_EQ(odd.steps, 1);
}

TEST_F(WindowAnimationTest, OpeningFadesInStepByStep)
{
    QWidget window;
    AnimateWindow(window, AnimatedWindow::Main, options);
    window.show();
    QPropertyAnimation* fade = running(window);
    ASSERT_NE(fade, nullptr);
    EXPECT_EQ(fade->propertyName(), "windowOpacity");
    EXPECT_EQ(fade->duration(), 200);
    EXPECT_DOUBLE_EQ(window.windowOpacity(), 0.0);
    fade->setCurrentTime(130); // 65 % of the way: the second of four steps
    EXPECT_NEAR(window.windowOpacity(), 0.5, 0.01);
    fade->setCurrentTime(200);
    EXPECT_DOUBLE_EQ(window.windowOpacity(), 1.0);
}

TEST_F(WindowAnimationTest, ClosingHidesAtOnceAndFadesAPicture)
{
    QWidget window;
    window.resize(120, 80);
    AnimateWindow(window, AnimatedWindow::Main, options);
    window.show();
    window.hide();
    // The opening was cut short: the window is whole again for its next showing.
    EXPECT_DOUBLE_EQ(window.windowOpacity(), 1.0);
    EXPECT_FALSE(window.isVisible());
    const QList<QWidget*> shown = ghosts();
    ASSERT_EQ(shown.size(), 1);
    QWidget* ghost = shown.front();
    EXPECT_TRUE(ghost->isVisible());
    EXPECT_EQ(ghost->geometry(), window.geometry());
    QPropertyAnimation* fade = running(*ghost);
    ASSERT_NE(fade, nullptr);
    fade->setCurrentTime(fade->duration());
    EXPECT_FALSE(ghost->isVisible());
}

TEST_F(WindowAnimationTest, NothingAnimatesWithoutTheChoiceOrACompositor)
{
    struct Case {
        const char* what;
        bool flag;
        bool compositor;
    };
    for (const Case& c : {Case{"window not chosen", false, true}, Case{"no compositor", true, false}}) {
        SCOPED_TRACE(c.what);
        options.chkFavW = c.flag;
        compositing = c.compositor;
        QWidget window;
        AnimateWindow(window, AnimatedWindow::Favorites, options);
        window.show();
        EXPECT_EQ(running(window), nullptr);
        EXPECT_DOUBLE_EQ(window.windowOpacity(), 1.0);
        window.hide();
        EXPECT_TRUE(ghosts().isEmpty());
    }
}

// The window reads the options at every showing, so a change reaches it without a new call.
TEST_F(WindowAnimationTest, AChangedChoiceReachesAnAttachedWindow)
{
    options.chkOnShow = false;
    QWidget window;
    AnimateWindow(window, AnimatedWindow::Check, options);
    window.show();
    EXPECT_EQ(running(window), nullptr);
    window.hide();
    for (QWidget* ghost : ghosts())
        delete ghost;
    options.chkOnShow = true;
    window.show();
    EXPECT_NE(running(window), nullptr);
}

} // namespace
