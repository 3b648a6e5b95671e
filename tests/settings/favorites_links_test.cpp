#include "settings/favorites_links.h"

#include "settings/ini_file.h"
#include "settings/text_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tarnlink;

namespace tarnlink {
// Readable entries in failure messages.
static void PrintTo(const FavoriteLink& link, std::ostream* os)
{
    *os << (link.ticked ? "" : ";") << link.name.toStdString() << " -> " << link.address.toStdString();
}
} // namespace tarnlink

namespace {

constexpr char kHeader[] = "Favorites links for Tarnlink, https://tarnlink.example/\r\n";

QByteArray withHeader(const char* body)
{
    return QByteArray(kHeader) + body;
}

} // namespace

TEST(FavoritesLinks, ReadsPairsAfterTheHeader)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        QList<FavoriteLink> links;
        FavoritesFileState state;
    };
    const Case cases[] = {
        {"ticked and unticked",
         withHeader("News\r\nhttp://news.example/\r\n;Mail\r\nhttp://mail.example/\r\n"),
         {{"News", "http://news.example/", true}, {"Mail", "http://mail.example/", false}},
         FavoritesFileState::Sound},
        {"empty address keeps the entries after it",
         withHeader("A\r\n\r\nB\r\nhttp://b.example/\r\n"),
         {{"A", "", true}, {"B", "http://b.example/", true}},
         FavoritesFileState::Sound},
        {"name without address line", withHeader("A\r\nhttp://a/\r\nLast"),
         {{"A", "http://a/", true}, {"Last", "", true}}, FavoritesFileState::Sound},
        {"LF and CR line ends", withHeader("A\nhttp://a/\rB\r\nhttp://b/"),
         {{"A", "http://a/", true}, {"B", "http://b/", true}}, FavoritesFileState::Sound},
        {"byte-order mark", "\xEF\xBB\xBF" + withHeader("A\r\nhttp://a/\r\n"), {{"A", "http://a/", true}},
         FavoritesFileState::Sound},
        {"Windows-1252 name", withHeader("Caf\xE9\r\nhttp://c/\r\n"), {{QString::fromUtf8("Café"), "http://c/", true}},
         FavoritesFileState::Sound},
        {"header only", QByteArray(kHeader), {}, FavoritesFileState::Sound},
        {"empty file", QByteArray(), {}, FavoritesFileState::Sound},
        {"foreign text is read but reported", "Some notes\r\nA\r\nhttp://a/\r\n", {{"A", "http://a/", true}},
         FavoritesFileState::Foreign},
        {"a NUL ends what is read", withHeader("A\r\nhttp://a/\r\nB#\r\nhttp://b/\r\n").replace('#', '\0'),
         {{"A", "http://a/", true}, {"B", "", true}}, FavoritesFileState::Damaged},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FavoritesFile file = ReadFavoritesLinks(c.bytes);
        EXPECT_EQ(file.links, c.links);
        EXPECT_EQ(file.state, c.state);
    }
}

TEST(FavoritesLinks, WrittenFileReadsBackTheSameList)
{
    const QList<FavoriteLink> links = {
        {"News", "http://news.example/", true},
        {"Cleared", "", false},
        {QString::fromUtf8("Новая ссылка"), "http://example.org/путь", true},
        {"Two\r\nlines", "http://a/\nb", true}, // a line break would shift every later pair
        {"After", "http://after/", false},
    };
    const QByteArray bytes = FavoritesLinksBytes(links);
    EXPECT_TRUE(bytes.startsWith(kHeader));
    EXPECT_TRUE(bytes.contains("\r\n;Cleared\r\n\r\n"));
    EXPECT_TRUE(bytes.endsWith(";After\r\nhttp://after/\r\n"));

    QList<FavoriteLink> expected = links;
    expected[3] = {"Two lines", "http://a/ b", true};
    const FavoritesFile read = ReadFavoritesLinks(bytes);
    EXPECT_EQ(read.links, expected);
    EXPECT_EQ(read.state, FavoritesFileState::Sound);
}

TEST(FavoritesLinks, FilesOnDisk)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("sub/FavoritesLinks.dat");
    EXPECT_EQ(LoadFavoritesLinks(path).state, FavoritesFileState::Missing);
    EXPECT_TRUE(LoadFavoritesLinks(path).links.isEmpty());

    const QList<FavoriteLink> links = {{"A", "http://a/", true}, {"B", "http://b/", false}};
    SaveFavoritesLinks(path, links); // creates the folder
    const FavoritesFile loaded = LoadFavoritesLinks(path);
    EXPECT_EQ(loaded.links, links);
    EXPECT_EQ(loaded.state, FavoritesFileState::Sound);

    // A folder in the file's place can be neither read nor replaced.
    const QString folder = dir.filePath("folder.dat");
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_EQ(LoadFavoritesLinks(folder).state, FavoritesFileState::Damaged);
    EXPECT_THROW(SaveFavoritesLinks(folder, links), SettingsWriteError);
}

TEST(FavoritesLinks, OversizedFileGivesTheEntriesOfItsStart)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("FavoritesLinks.dat");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(withHeader("First\r\nhttp://first/\r\n"));
    const QByteArray filler(1024 * 1024, 'x');
    for (qint64 written = 0; written <= kMaxTextFileBytes; written += filler.size())
        file.write(filler);
    file.close();

    const FavoritesFile loaded = LoadFavoritesLinks(path);
    EXPECT_EQ(loaded.state, FavoritesFileState::Damaged);
    EXPECT_EQ(loaded.links, (QList<FavoriteLink>{{"First", "http://first/", true}}));
}
