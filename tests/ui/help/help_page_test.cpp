#include "gui_test_support.h"
#include "ui/kit/command_map.h"
#include "ui/help/help_page.h"
#include "ui/testing/scripted_prompts.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

struct HelpCommands : ::testing::Test {
    QApplication& app = ensureApp();
    ScriptedPrompts prompts;
    CommandMap commands{&app, [this]() -> Prompts& { return prompts; }};
    QList<QUrl> opened;
    bool opens = true;
    UrlOpener opener = [this](const QUrl& url) {
        opened << url;
        return opens;
    };
};

TEST_F(HelpCommands, ContentsAndTopic20OpenTheShippedPage)
{
    // The page the program ships has the anchor that Ctrl+K opens.
    QFile shipped(QStringLiteral(TARNLINK_SOURCE_DIR "/resources/") + kHelpPage);
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    EXPECT_TRUE(shipped.readAll().contains(QByteArray("id=\"") + kHelpTopic20 + '"'));

    AttachHelpCommands(commands, [this]() -> Prompts& { return prompts; }, shipped.fileName(), opener);
    commands.run(Cmd::HelpContents);
    commands.run(Cmd::HelpTopic20);
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(shipped.fileName()));
    EXPECT_EQ(opened[1].fragment(), kHelpTopic20);
    EXPECT_TRUE(prompts.log().isEmpty());
}

TEST_F(HelpCommands, AMissingPageOrAFailedStartIsReported)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("help/tarnlink.html");
    AttachHelpCommands(commands, [this]() -> Prompts& { return prompts; }, missing, opener);
    commands.run(Cmd::HelpContents);
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(prompts.take(), QStringList{"error: File not found!\n" + missing});

    QFile page(dir.filePath("page.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    opens = false;
    AttachHelpCommands(commands, [this]() -> Prompts& { return prompts; }, page.fileName(), opener);
    commands.run(Cmd::HelpTopic20);
    EXPECT_EQ(prompts.take(), QStringList{"error: File not found!\n" + page.fileName()});
}

} // namespace
