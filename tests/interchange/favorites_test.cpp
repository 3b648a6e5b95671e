#include "test_support.h"

#include "interchange/favorites_import.h"
#include "platform/favorites_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

#include <sys/stat.h>

using namespace tarnlink;
using namespace tarnlink::test;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

// Every node as "ancestor/…/name [link]", sorted: the file system lists entries in no set order.
std::vector<std::string> sortedPaths(const TfcTreeNodes& tree)
{
    std::vector<std::string> paths;
    for (const TfcTreeNode* n = tree.GetFirstNode(); n; n = n->GetNext()) {
        std::string path = n->Name() + (n->IsLink() ? " <" + n->Link1 + ">" : "/");
        for (const TfcTreeNode* p = n->Parent(); p; p = p->Parent())
            path = p->Name() + "/" + path;
        paths.push_back(path);
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

TEST(Shortcut, UrlFollowsTheProfileRules)
{
    const std::pair<QByteArray, std::string> cases[] = {
        {"[InternetShortcut]\r\nURL=http://a.example/Path\r\n", "http://a.example/Path"},
        {"[internetshortcut]\nurl = \"http://quoted.example/\"\n", "http://quoted.example/"},
        {"[Other]\nURL=wrong\n[InternetShortcut]\nIconIndex=0\nURL=first\nURL=second\n", "first"},
        {"URL=no section\n", ""},
        {"[InternetShortcut]\nBASEURL=x\n", ""},
        {"\x89PNG\x00[InternetShortcut]\nURL=after nul\n", ""},
        {"\xEF\xBB\xBF[InternetShortcut]\r\nURL=http://marked.example/\r\n", "http://marked.example/"},
        {"[InternetShortcut]\nURL=" + QByteArray(3000, 'x') + "\n", std::string(2047, 'x')},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("s.url");
    for (const auto& [content, url] : cases) {
        writeFile(path, content);
        EXPECT_EQ(ReadShortcutUrl(path), url) << content.left(40).toStdString();
    }
    EXPECT_EQ(ReadShortcutUrl(dir.filePath("missing.url")), "");
}

TEST(FavoritesImport, WalksDirectoriesByTheAttributeRules)
{
    QTemporaryDir dir;
    const QString root = dir.path();
    const QByteArray shortcut = "[InternetShortcut]\r\nURL=http://news.example/\r\n";
    ASSERT_TRUE(QDir(root).mkpath("my LINKS/ sub"));
    ASSERT_TRUE(QDir(root).mkpath(".hidden dir"));
    ASSERT_TRUE(QDir(root).mkpath("empty"));
    writeFile(root + "/my LINKS/News Site.url", shortcut);
    writeFile(root + "/my LINKS/site.url.url", shortcut);
    writeFile(root + "/my LINKS/.url", shortcut);
    writeFile(root + "/my LINKS/desktop.ini", "[.ShellClassInfo]\r\nIconFile=x\r\n");
    writeFile(root + "/my LINKS/ sub/noext", "[InternetShortcut]\nURL=u\n");
    writeFile(root + "/.hidden dir/inside.url", shortcut);
    writeFile(root + "/readonly.url", shortcut);
    ASSERT_TRUE(QFile::setPermissions(root + "/readonly.url", QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    ASSERT_TRUE(QFile::link(root, root + "/loop"));
    ASSERT_EQ(mkfifo(QFile::encodeName(root + "/pipe.url").constData(), 0666), 0);

    TfcTreeNodes tree;
    Build(tree, {Link("selected", "x")});
    tree.Select(tree.GetFirstNode()); // a link: the import goes to the top level
    TreeCounts counts = CountNodes(tree);
    ImportFromIEFavorites(tree, counts, root);

    // The read-only file, the fifo, the dot directory and the link back to the root give nothing.
    const std::vector<std::string> expected{
        "Empty/",
        "My links/",
        "My links/ <http://news.example/>", // ".url" has an empty name
        "My links/DESKTOP <>",
        "My links/NEWS SITE <http://news.example/>",
        "My links/SITE.URL <http://news.example/>",
        "My links/sub/", // " sub": the capitalised blank is trimmed away
        "My links/sub/NOEXT <u>",
        "selected <x>",
    };
    EXPECT_EQ(sortedPaths(tree), expected);
    EXPECT_EQ(tree.GetFirstNode()->Name(), "selected");
    EXPECT_EQ(counts, CountNodes(tree));
    EXPECT_EQ(counts, (TreeCounts{3, 6}));
}

TEST(FavoritesImport, LandsInsideTheSelectedFolderAndWalksDepthFirst)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("a/b/c"));
    writeFile(dir.filePath("a/b/c/deep.url"), "[InternetShortcut]\nURL=d\n");
    writeFile(dir.filePath("a/b/mid.url"), "[InternetShortcut]\nURL=m\n");
    TfcTreeNodes tree;
    Build(tree, {Folder("target"), Link("after", "z")});
    tree.Select(tree.GetFirstNode());
    TreeCounts counts = CountNodes(tree);
    ImportFromIEFavorites(tree, counts, dir.path());
    const std::string outline = Outline(tree);
    EXPECT_TRUE(outline == "F target\n  F A\n    F B\n      F C\n        L DEEP d\n      L MID m\nL after z\n"
                || outline == "F target\n  F A\n    F B\n      L MID m\n      F C\n        L DEEP d\nL after z\n")
        << outline;
}

TEST(FavoritesImport, EmptyOrMissingFolderAddsNothing)
{
    QTemporaryDir dir;
    TfcTreeNodes tree;
    TreeCounts counts;
    ImportFromIEFavorites(tree, counts, dir.path());
    ImportFromIEFavorites(tree, counts, dir.filePath("missing"));
    EXPECT_EQ(tree.Count(), 0);
    EXPECT_EQ(counts, TreeCounts{});
}

TEST(FavoritesFolder, VariableThenHomeFavoritesThenNothing)
{
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qunsetenv("TARNLINK_FAVORITES");
    EXPECT_EQ(GetFavoritesFolder(), QString());
    ASSERT_TRUE(QDir(home.path()).mkdir("Favorites"));
    EXPECT_EQ(GetFavoritesFolder(), home.filePath("Favorites"));
    qputenv("TARNLINK_FAVORITES", "/somewhere/else");
    EXPECT_EQ(GetFavoritesFolder(), QStringLiteral("/somewhere/else"));
    qunsetenv("TARNLINK_FAVORITES");
    qputenv("HOME", oldHome);
}

} // namespace
