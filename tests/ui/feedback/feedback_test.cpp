// The prepared mails and web links of the Help and tray menus: what the addresses hold, that a
// translated sentence with "&", "?" or "%" reaches the mail whole, and the commands that open
// them.

#include "gui_test_support.h"

#include "ui/feedback/feedback_mail.h"
#include "ui/kit/command_map.h"
#include "ui/kit/translate.h"
#include "ui/shell/form_main.h"
#include "ui/testing/recording_launcher.h"
#include "ui/testing/scripted_prompts.h"

#include <QAction>
#include <QMenu>
#include <QTemporaryDir>
#include <QUrlQuery>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

QString decoded(const QUrl& url, const char* item)
{
    return QUrlQuery(url).queryItemValue(QLatin1String(item), QUrl::FullyDecoded);
}

// A translation installed for the test, the English texts back at the end.
class TranslatedSentences {
public:
    explicit TranslatedSentences(QHash<QString, QString> table)
    {
        SetTranslator([table](const QString& text) { return table.value(text, text); });
    }
    ~TranslatedSentences() { SetTranslator({}); }
};

TEST(FeedbackMail, ATranslatedSentenceWithAmpersandReachesTheMailWhole)
{
    const TranslatedSentences translation({{"Excellent program!", "Tom & Jerry? 100% gut!"},
                                           {"Advice you to download it", "Lade es & staune"}});
    const QUrl url = MailtoUrl(RecommendationMail("https://tarnlink.example/"));
    const QByteArray encoded = url.toEncoded();
    EXPECT_TRUE(encoded.startsWith("mailto:?subject=Tom%20%26%20Jerry%3F%20100%25%20gut%21%20Tarnlink&body="))
        << encoded.toStdString();
    EXPECT_EQ(encoded.count('&'), 1); // only the one between subject and body
    EXPECT_EQ(decoded(url, "subject"), "Tom & Jerry? 100% gut! Tarnlink");
    const QString body = decoded(url, "body");
    EXPECT_TRUE(body.startsWith("Present You new program.\r\n\r\nTarnlink - this useful bookmarks manager"));
    EXPECT_TRUE(body.endsWith("\r\n\r\nLade es & staune https://tarnlink.example/")) << body.toStdString();
    EXPECT_TRUE(encoded.contains("%0D%0A"));
}

TEST(FeedbackMail, MailsToTheMakerNameTheProgramAndTheSystem)
{
    const QString system = "Debian GNU/Linux 12 (bookworm), Linux 6.1.0";
    const QString start = "\r\n   I'm using Tarnlink v1.45\r\n   " + system + "\r\n";
    struct Case {
        Mail mail;
        const char* subject;
        QString body;
    };
    const Case cases[] = {
        {OffersMail("1.45", system), "Tarnlink - offers", start + "   and would like to offer following:\r\n\r\n"},
        {BugReportMail("1.45", system), "Tarnlink - bug report",
         start + "   and would like to report a bug.\r\n\r\n   The bug description:\r\n\r\n\r\n"
                 "   Steps to reproduce the bug:\r\n\r\n"},
        {InformationRequestMail("1.45", system), "Tarnlink - information request",
         start + "\r\n   and would like to obtain some more information about your program\r\n\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.subject);
        const QUrl url = MailtoUrl(c.mail);
        EXPECT_EQ(url.scheme(), "mailto");
        EXPECT_EQ(url.path(), kMakerMailAddress);
        EXPECT_EQ(decoded(url, "subject"), c.subject);
        EXPECT_EQ(decoded(url, "body"), c.body);
    }
}

TEST(FeedbackMail, SystemTextIsTheDistributionAndTheKernel)
{
    EXPECT_EQ(SystemText("Debian GNU/Linux 12 (bookworm)", "linux", "6.1.0-18-amd64"),
              "Debian GNU/Linux 12 (bookworm), Linux 6.1.0-18-amd64");
    EXPECT_EQ(SystemText("", "linux", "6.1.0"), "Linux 6.1.0");
    EXPECT_FALSE(CurrentSystemText().isEmpty());
}

TEST(FeedbackCommands, HelpAndTrayOpenThePagesAndMails)
{
    ensureApp();
    QCoreApplication::setApplicationVersion("1.45");
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    RecordingLauncher launcher;
    TFormMain form(dir.filePath("Tarnlink.ini"));
    form.setPrompts(&prompts);
    form.setLauncher(&launcher);

    for (Cmd cmd : {Cmd::WebSite, Cmd::FeedbackSubscribe, Cmd::FeedbackOffers, Cmd::FeedbackBugReport,
                    Cmd::FeedbackInformation, Cmd::TellFriend})
        form.commands().action(cmd)->trigger();
    ASSERT_EQ(launcher.urls.size(), 6);
    EXPECT_EQ(launcher.urls[0], QUrl(MakerWebSite()));
    EXPECT_EQ(launcher.urls[1], QUrl(MakerNewsletterPage()));
    EXPECT_EQ(launcher.urls[2], MailtoUrl(OffersMail("1.45", CurrentSystemText())));
    EXPECT_EQ(launcher.urls[3], MailtoUrl(BugReportMail("1.45", CurrentSystemText())));
    EXPECT_EQ(launcher.urls[4], MailtoUrl(InformationRequestMail("1.45", CurrentSystemText())));
    EXPECT_EQ(launcher.urls[5], MailtoUrl(RecommendationMail(MakerWebSite())));

    // "Tell to friend" from the tray menu writes the same mail; nothing is shown when no mail
    // program takes it.
    launcher.urlsOpen = false;
    for (QAction* a : form.MenuTray()->actions())
        if (CommandMap::idOf(a) == int(Cmd::TellFriend))
            a->trigger();
    ASSERT_EQ(launcher.urls.size(), 7);
    EXPECT_EQ(launcher.urls[6], launcher.urls[5]);
    EXPECT_TRUE(prompts.log().isEmpty());
}

} // namespace
