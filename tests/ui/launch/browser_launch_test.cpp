// Choosing the address of a link, handing it to a browser, and the "Copy as..." forms.

#include "gui_test_support.h"

#include "ui/launch/browser_launch.h"
#include "ui/launch/copy_as.h"
#include "ui/testing/recording_launcher.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

using namespace tarnlink;
using namespace tarnlink::testing;

TEST(BrowserLaunch, WhichAddressOfALink)
{
    struct Case {
        std::string link1, link2;
        int which;
        std::string chosen;
    };
    const Case cases[] = {
        {"http://one/", "http://two/", 0, "http://one/"}, {"", "http://two/", 0, "http://two/"},
        {"", "http://two/", 1, ""},                       {"http://one/", "", 2, ""},
        {"http://one/", "http://two/", 2, "http://two/"}, {"", "", 0, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseLinkAddress(c.link1, c.link2, c.which), c.chosen) << c.link1 << " | " << c.link2 << " " << c.which;

    EXPECT_EQ(ChooseAddress("a", "b", false), "a");
    EXPECT_EQ(ChooseAddress("a", "b", true), "b");
    EXPECT_EQ(ChooseAddress("a", "", true), "a");
    EXPECT_EQ(ChooseAddress("", "b", false), "b");
    EXPECT_EQ(ChooseAddress("", "", true), "");
}

TEST(BrowserLaunch, TheProgramGetsTheAddressAsItsOneArgument)
{
    RecordingLauncher launcher;
    const QString address = QStringLiteral("http://example.org/a b;rm -rf ~ \"x\"");
    OpenInBrowser(launcher, "/opt/browser/bin/browser", address);
    ASSERT_EQ(launcher.programs.size(), 1);
    EXPECT_EQ(launcher.programs[0].program, "/opt/browser/bin/browser");
    EXPECT_EQ(launcher.programs[0].arguments, QStringList{address});
    EXPECT_TRUE(launcher.urls.isEmpty());

    launcher.programsStart = false;
    try {
        OpenInBrowser(launcher, "/missing/browser", address);
        ADD_FAILURE() << "no error";
    } catch (const LaunchError& e) {
        EXPECT_STREQ(e.what(), "Couldn't launch browser!");
    }
}

TEST(BrowserLaunch, WithoutAProgramTheDesktopOpensTheAddress)
{
    RecordingLauncher launcher;
    OpenInBrowser(launcher, QString(), "https://example.org/Path?Q=1");
    OpenInBrowser(launcher, QString(), "www.example.org");
    ASSERT_EQ(launcher.urls.size(), 2);
    EXPECT_EQ(launcher.urls[0], QUrl("https://example.org/Path?Q=1"));
    EXPECT_EQ(launcher.urls[1], QUrl("http://www.example.org"));
    EXPECT_TRUE(launcher.programs.isEmpty());

    launcher.urlsOpen = false;
    try {
        OpenInBrowser(launcher, QString(), "http://example.org/");
        ADD_FAILURE() << "no error";
    } catch (const LaunchError& e) {
        EXPECT_STREQ(e.what(), "Couldn't launch default browser!");
    }
}

TEST(CopyAs, TheThreeFormsAndTheHtmlBesideThePlainText)
{
    ensureApp();
    EXPECT_EQ(CopyAsText(CopyForm::OnlyLink, "News", "http://news/"), "http://news/");
    EXPECT_EQ(CopyAsText(CopyForm::NameAndLink, "News", "http://news/"), "News - http://news/");
    EXPECT_EQ(CopyAsText(CopyForm::HtmlTag, "News", "http://news/"), "<a href=\"http://news/\">News</a>");
    EXPECT_EQ(CopyAsText(CopyForm::NameAndLink, "", ""), " - ");

    QClipboard* clipboard = QGuiApplication::clipboard();
    CopyAsToClipboard(CopyForm::HtmlTag, "Q&A <new>", "http://x/?a=1&b=2");
    EXPECT_EQ(clipboard->text(), "<a href=\"http://x/?a=1&b=2\">Q&A <new></a>");
    EXPECT_EQ(clipboard->mimeData()->html(), "<a href=\"http://x/?a=1&amp;b=2\">Q&amp;A &lt;new&gt;</a>");

    CopyAsToClipboard(CopyForm::NameAndLink, "News", "http://news/");
    EXPECT_EQ(clipboard->text(), "News - http://news/");
    EXPECT_FALSE(clipboard->mimeData()->hasHtml());
}
