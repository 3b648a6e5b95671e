// The link monitor, "Add from clipboard" and "Add from browser" in the real main window: copies
// go through the application's clipboard, the add dialog through scripted prompts.

#include "editing_support.h"
#include "language_coverage.h"

#include "capture/page_source.h"
#include "platform/codepage.h"
#include "ui/capture/capture_feature.h"
#include "ui/capture/clipboard_watcher.h"
#include "ui/editing/form_add.h"
#include "ui/kit/command_map.h"
#include "ui/kit/link_notice.h"
#include "ui/shell/form_main.h"
#include "ui/tree/tree_model.h"
#include "ui/testing/recording_launcher.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>

#include <memory>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

// A browser that answers as told and counts how often it was asked.
struct FakeBrowser : PageSource {
    FakeBrowser(QString answer, int& asked) : answer(std::move(answer)), asked(asked) {}
    QString currentPage() override
    {
        ++asked;
        return answer;
    }
    QString answer;
    int& asked;
};

class CaptureTest : public ::testing::Test {
protected:
    void SetUp() override { ensureApp(); }
    void TearDown() override
    {
        EXPECT_TRUE(prompts.dialogsDone()) << "scripted dialogs left over";
        EXPECT_TRUE(prompts.exhausted()) << "scripted replies left over";
        form.reset();
    }

    // A started window with these settings (the tip of the day off), another program active.
    void open(const Settings& settings = quietSettings())
    {
        const QString ini = dir.filePath(QStringLiteral("Tarnlink.ini"));
        SettingsFile(ini).save(settings);
        form = std::make_unique<TFormMain>(ini);
        form->setPrompts(&prompts);
        form->setLauncher(&launcher);
        form->setSelectionDelay(0);
        form->StartUp({});
        capture = form->feature<CaptureFeature>();
        ASSERT_NE(capture, nullptr);
        setProgramActive(false);
    }
    static Settings with(const std::function<void(Settings&)>& change)
    {
        Settings settings = quietSettings();
        change(settings);
        return settings;
    }
    static void copy(const QString& text) { QGuiApplication::clipboard()->setText(text); }
    static void setProgramActive(bool active)
    {
        emit qApp->applicationStateChanged(active ? Qt::ApplicationActive : Qt::ApplicationInactive);
    }

    QStringList topLevelNames() const
    {
        QStringList names;
        for (int i = 0; i < form->tree().TopLevelCount(); ++i)
            names << codepage::toDisplay(form->tree().TopLevelItem(i)->Name());
        return names;
    }
    QList<LinkNotice*> notices() const { return form->findChildren<LinkNotice*>(); }
    // Checks the add dialog's prefilled name and first address, then answers.
    DialogPrompts::Action expectDialog(const QString& name, const QString& link1, int answer = QDialog::Accepted)
    {
        return [=](QDialog& d) {
            auto& dialog = static_cast<TFormAdd&>(d);
            EXPECT_EQ(dialog.EditName2()->text(), name);
            EXPECT_EQ(dialog.EditUrl2()->text(), link1);
            return answer;
        };
    }

    QTemporaryDir dir;
    DialogPrompts prompts;
    RecordingLauncher launcher;
    std::unique_ptr<TFormMain> form;
    CaptureFeature* capture = nullptr;
};

TEST_F(CaptureTest, ACopyInAnotherProgramAddsItsAddressWordsSilently)
{
    struct Case {
        const char* copied;
        QStringList exclusions;
        QStringList added;
    };
    const Case cases[] = {
        // The e-mail word is skipped; scheme and host are lowered, the path keeps its case.
        {"Write to Info@Mail.Example.org or see WWW.Example.COM/Path today", {}, {"www.example.com/Path"}},
        {"http://a.example.com/\r\nhttp://b.example.com/", {}, {"http://a.example.com/", "http://b.example.com/"}},
        {"http://x.example.com/ads/1 http://y.example.com/", {"", "ADS"}, {"http://y.example.com/"}},
        {"no address here", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.copied);
        open(with([&](Settings& s) { s.clipBoardOut = c.exclusions; }));
        QSignalSpy resets(&form->treeModel(), &QAbstractItemModel::modelReset);
        copy(QString::fromUtf8(c.copied));
        EXPECT_EQ(resets.count(), c.added.isEmpty() ? 0 : 1); // one for the whole copy
        EXPECT_EQ(topLevelNames(), c.added);
        EXPECT_EQ(form->document().counts.LinkCount, int(c.added.size()));
        EXPECT_EQ(form->document().modified, !c.added.isEmpty());
        if (!c.added.isEmpty()) {
            EXPECT_EQ(codepage::toDisplay(form->tree().TopLevelItem(0)->Link1), c.added.front());
        }
        EXPECT_EQ(notices().size(), c.added.size()); // MSNPopup is on
    }
}

TEST_F(CaptureTest, TheAddedLinkIsShownItsNoticeOpensItAndMSNPopupOffShowsNone)
{
    open();
    copy("www.example.com/Start");
    // The window shows the new link as selected.
    EXPECT_EQ(form->StatusPanel(0)->text(), "Clicks: 0");
    ASSERT_EQ(notices().size(), 1);
    EXPECT_EQ(notices().front()->text(), "\rAdded new link\rwww.example.com/Start");
    notices().front()->activateLink();
    ASSERT_EQ(launcher.urls.size(), 1);
    EXPECT_EQ(launcher.urls.front(), QUrl("http://www.example.com/Start"));

    open(with([](Settings& s) { s.options.msnPopup = false; }));
    copy("www.example.com/Other");
    EXPECT_EQ(topLevelNames(), QStringList{"www.example.com/Other"});
    EXPECT_TRUE(notices().isEmpty());
}

TEST_F(CaptureTest, WithoutAutoAddUrlEachAddressGoesThroughTheDialogAndUniqueUrlAsksNothing)
{
    open(with([](Settings& s) { s.options.autoAddUrl = false; }));
    addLink(form->tree(), nullptr, "Mail", "http://mail.example.com/inbox");

    // Already held (in another letter case): no dialog and no question. The same address twice
    // in one copy is asked once; a cancelled one does not stop the next.
    prompts.dialog(expectDialog("http://new.example.com/", "http://new.example.com/"))
        .dialog(expectDialog("www.other.example.com", "http://www.other.example.com", QDialog::Rejected))
        .dialog(expectDialog("www.last.example.com", "http://www.last.example.com"));
    copy("HTTP://MAIL.example.com/inbox http://new.example.com/ http://new.example.com/ "
         "www.other.example.com www.last.example.com");
    EXPECT_EQ(prompts.dialogs.size(), 3);
    EXPECT_EQ(topLevelNames(), (QStringList{"Mail", "http://new.example.com/", "www.last.example.com"}));
    EXPECT_TRUE(notices().isEmpty());
}

TEST_F(CaptureTest, WhenTheMonitorReacts)
{
    open();
    setProgramActive(true);
    copy("http://inside.example.com/"); // copied in this program, ClipBoardSelf off
    EXPECT_EQ(form->tree().Count(), 0);

    setProgramActive(false);
    capture->MLinkMonitor1Click(); // off
    copy("http://off.example.com/");
    EXPECT_EQ(form->tree().Count(), 0);
    // Switched on again from the tray while another program stays active: the next copy counts.
    capture->MLinkMonitor1Click();
    copy("http://on.example.com/");
    EXPECT_EQ(topLevelNames(), QStringList{"http://on.example.com/"});

    open(with([](Settings& s) { s.options.clipBoardSelf = true; }));
    setProgramActive(true);
    copy("http://self.example.com/");
    EXPECT_EQ(topLevelNames(), QStringList{"http://self.example.com/"});

    // Nothing reacts before the start-up has finished.
    const QString ini = dir.filePath(QStringLiteral("Tarnlink.ini"));
    form = std::make_unique<TFormMain>(ini);
    setProgramActive(false);
    copy("http://early.example.com/");
    EXPECT_EQ(form->tree().Count(), 0);
}

TEST_F(CaptureTest, TheToggleKeepsTheButtonAndBothMenuItemsInStep)
{
    open(with([](Settings& s) { s.options.clipBoard = false; }));
    CommandMap& c = form->commands();
    auto find = [](const QList<QAction*>& actions) {
        const auto it = std::find_if(actions.begin(), actions.end(),
                                     [](QAction* a) { return CommandMap::idOf(a) == int(Cmd::LinkMonitor); });
        return it == actions.end() ? nullptr : *it;
    };
    QAction* menu = c.action(Cmd::LinkMonitor);
    QList<QAction*> buttons;
    for (const QToolButton* b : form->ToolBar(2)->findChildren<QToolButton*>())
        if (b->defaultAction())
            buttons << b->defaultAction();
    QAction* tray = find(form->MenuTray()->actions());
    QAction* button = find(buttons);
    ASSERT_TRUE(tray);
    ASSERT_TRUE(button);
    EXPECT_FALSE(capture->monitorOn());

    // A click flips the clicked item by itself before the command runs; a shortcut the same.
    bool expected = false;
    for (QAction* clicked : {button, tray, menu, tray, button, menu}) {
        clicked->trigger();
        expected = !expected;
        EXPECT_EQ(capture->monitorOn(), expected);
        for (QAction* shown : {menu, tray, button})
            EXPECT_EQ(shown->isChecked(), expected);
    }
    c.run(Cmd::LinkMonitor);
    EXPECT_EQ(capture->monitorOn(), !expected);
    c.setChecked(Cmd::LinkMonitor, true); // as the preferences set it
    EXPECT_TRUE(capture->monitorOn());
}

TEST_F(CaptureTest, AddFromClipboardAlwaysOpensTheDialog)
{
    open(); // AutoAddUrl on
    setProgramActive(true);
    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(form->commands().action(Cmd::AddFromClipboard)->isEnabled());

    copy("see www.example.com and http://second.example.com/");
    EXPECT_TRUE(form->commands().action(Cmd::AddFromClipboard)->isEnabled());
    prompts.dialog(expectDialog("www.example.com", "http://www.example.com", QDialog::Rejected))
        .dialog(expectDialog("http://second.example.com/", "http://second.example.com/"));
    form->commands().run(Cmd::AddFromClipboard);
    EXPECT_EQ(topLevelNames(), QStringList{"http://second.example.com/"});
    EXPECT_TRUE(notices().isEmpty());
}

TEST_F(CaptureTest, ACopyWhileTheAddDialogIsOpenStartsNoRunInsideIt)
{
    open(with([](Settings& s) { s.options.autoAddUrl = false; }));
    prompts.dialog([&](QDialog& d) {
        copy("http://during.example.com/"); // with the monitor
        capture->MTrayAddClipBoardClick();  // and from the tray
        capture->MTrayfromBrowserClick();
        return expectDialog("http://first.example.com/", "http://first.example.com/")(d);
    });
    int asked = 0;
    PageSources sources;
    sources.push_back(std::make_unique<FakeBrowser>(PageAnswer("http://page.example.com/", "Page"), asked));
    capture->setPageSources(std::move(sources));
    copy("http://first.example.com/");
    EXPECT_EQ(prompts.dialogs.size(), 1);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(topLevelNames(), QStringList{"http://first.example.com/"});

    // Once it is closed the monitor works as before.
    prompts.dialog(expectDialog("http://after.example.com/", "http://after.example.com/"));
    copy("http://after.example.com/");
    EXPECT_EQ(form->tree().Count(), 2);
}

TEST_F(CaptureTest, AddFromBrowserTakesTheFirstPageShown)
{
    open();
    int blank = 0, showing = 0, later = 0;
    auto browsers = [&](std::initializer_list<std::pair<QString, int*>> answers) {
        PageSources sources;
        for (const auto& [answer, asked] : answers)
            sources.push_back(std::make_unique<FakeBrowser>(answer, *asked));
        capture->setPageSources(std::move(sources));
    };
    browsers({{"about:blank", &blank},
              {PageAnswer("http://page.example.com/Doc?id=7", "A page"), &showing},
              {PageAnswer("http://later.example.com/", "Later"), &later}});
    prompts.dialog(expectDialog("A page", "http://page.example.com/Doc?id=7"));
    form->commands().run(Cmd::AddFromBrowser);
    EXPECT_EQ((std::array{blank, showing, later}), (std::array{1, 1, 0}));
    EXPECT_EQ(topLevelNames(), QStringList{"A page"});

    // No browser shows a page: nothing is added and nothing is said.
    browsers({{QString(), &blank}, {"about:blank", &later}});
    form->commands().run(Cmd::AddFromBrowser);
    EXPECT_EQ(form->tree().Count(), 1);
    EXPECT_TRUE(prompts.log().isEmpty());
}

TEST(CaptureLanguage, TheNoticeIsTranslated)
{
    ensureApp();
    ExpectNoTextLeftInEnglish([](TFormMain& form) {
        return QList<QWidget*>{LinkNotice::showAdded("http://a.example.com/", {}, &form)};
    });
}

} // namespace
