// "Clear favorites": which folders may be cleared, and that clearing stays inside the folder.

#include "ui/interchange/favorites_clearing.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tarnlink;

namespace {

class ClearFavorites : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(base.isValid());
        ASSERT_TRUE(QDir(base.path()).mkpath("home/fav"));
    }
    QString at(const QString& relative) const { return base.filePath(relative); }
    void file(const QString& relative) const
    {
        QFile f(at(relative));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << relative.toStdString();
        f.write("x");
    }

    QTemporaryDir base;
    const QString home = at("home");
};

TEST_F(ClearFavorites, RefusesNoPathFilesAndEveryFolderHoldingHome)
{
    file("home/fav/a.url");
    ASSERT_TRUE(QFile::link(home, at("to-home")));
    const std::pair<QString, bool> cases[] = {
        {QString(), false},
        {"   ", false},
        {"/", false},
        {home, false},
        {home + "/", false},
        {home + "/fav/..", false},
        {base.path(), false},          // holds the home folder
        {at("to-home"), false},        // a link to it
        {at("home/fav/a.url"), false}, // a file
        {at("home/fav"), true},
        {at("home/missing"), true},
    };
    for (const auto& [folder, allowed] : cases)
        EXPECT_EQ(MayClearFolder(folder, home), allowed) << folder.toStdString();
    EXPECT_EQ(ClearFavoritesFolder(home, home), ClearResult::Refused);
    EXPECT_TRUE(QFile::exists(at("home/fav/a.url")));
}

TEST_F(ClearFavorites, RemovesEverythingInsideButNeverFollowsALinkOut)
{
    ASSERT_TRUE(QDir(base.path()).mkpath("home/fav/sub/deeper"));
    ASSERT_TRUE(QDir(base.path()).mkpath("outside"));
    file("home/fav/a.url");
    file("home/fav/sub/b.url");
    file("home/fav/sub/deeper/c.url");
    file("outside/keep.txt");
    ASSERT_TRUE(QFile::setPermissions(at("home/fav/a.url"), QFile::ReadOwner)); // read-only goes too
    ASSERT_TRUE(QFile::link(at("outside"), at("home/fav/dir-link")));
    ASSERT_TRUE(QFile::link(at("outside/keep.txt"), at("home/fav/sub/file-link.url")));
    ASSERT_TRUE(QFile::link(at("nowhere"), at("home/fav/dangling.url")));

    EXPECT_EQ(ClearFavoritesFolder(at("home/fav"), home), ClearResult::Cleared);
    EXPECT_TRUE(QDir(at("home/fav")).exists());
    EXPECT_TRUE(QDir(at("home/fav")).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
    EXPECT_TRUE(QFile::exists(at("outside/keep.txt")));

    // A folder that is itself a link is cleared where it leads, and the link keeps leading there.
    file("outside/drop.url");
    ASSERT_TRUE(QFile::link(at("outside"), at("home/linked")));
    EXPECT_EQ(ClearFavoritesFolder(at("home/linked"), home), ClearResult::Cleared);
    EXPECT_TRUE(QDir(at("home/linked")).isEmpty());
    EXPECT_TRUE(QFileInfo(at("home/linked")).isSymLink());
}

TEST_F(ClearFavorites, DotEntriesStayAndAMissingFolderIsMade)
{
    ASSERT_TRUE(QDir(base.path()).mkpath("home/fav/sub/.git"));
    file("home/fav/.directory");
    file("home/fav/gone.url");
    EXPECT_EQ(ClearFavoritesFolder(at("home/fav"), home), ClearResult::Incomplete);
    EXPECT_TRUE(QFile::exists(at("home/fav/.directory")));
    EXPECT_TRUE(QDir(at("home/fav/sub/.git")).exists());
    EXPECT_FALSE(QFile::exists(at("home/fav/gone.url")));

    EXPECT_EQ(ClearFavoritesFolder(at("home/new"), home), ClearResult::Incomplete);
    EXPECT_TRUE(QDir(at("home/new")).exists());
}

} // namespace
