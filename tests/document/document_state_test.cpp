#include "document/document.h"

#include <QDir>

#include <gtest/gtest.h>

using tarnlink::RecentFiles;

TEST(RecentFiles, NewestFirstFiveAtMostCaseInsensitive)
{
    RecentFiles recent;
    for (const char* p : {"/a.tlk", "/b.tlk", "/c.tlk", "/d.tlk", "/e.tlk"})
        recent.add(QString::fromLatin1(p));
    EXPECT_EQ(recent.entries(), (QStringList{"/e.tlk", "/d.tlk", "/c.tlk", "/b.tlk", "/a.tlk"}));

    recent.add(QStringLiteral("/C.TLK")); // already there in another case: moves to the top
    EXPECT_EQ(recent.entries(), (QStringList{"/C.TLK", "/e.tlk", "/d.tlk", "/b.tlk", "/a.tlk"}));

    recent.add(QStringLiteral("/f.tlk")); // a sixth entry drops the oldest
    EXPECT_EQ(recent.entries(), (QStringList{"/f.tlk", "/C.TLK", "/e.tlk", "/d.tlk", "/b.tlk"}));

    recent.remove(QStringLiteral("/c.tlk"));
    recent.add(QString());
    EXPECT_EQ(recent.entries(), (QStringList{"/f.tlk", "/e.tlk", "/d.tlk", "/b.tlk"}));

    recent.setEntries({"/x.tlk", "/X.tlk", "/y.tlk"});
    EXPECT_EQ(recent.entries(), (QStringList{"/x.tlk", "/y.tlk"}));
}

TEST(RecentFiles, PathsAreKeptAbsoluteAndClean)
{
    RecentFiles recent;
    recent.add(QStringLiteral("trunc.tlk"));
    recent.add(QStringLiteral("/a/./b/../c.tlk"));
    recent.add(QStringLiteral("/a//d.tlk"));
    EXPECT_EQ(recent.entries(), (QStringList{"/a/d.tlk", "/a/c.tlk", QDir::current().filePath("trunc.tlk")}));
    recent.add(QStringLiteral("/a/c.tlk"));
    recent.remove(QStringLiteral("./trunc.tlk"));
    EXPECT_EQ(recent.entries(), (QStringList{"/a/c.tlk", "/a/d.tlk"}));
    recent.setEntries({"x.tlk"});
    EXPECT_EQ(recent.entries(), QStringList{QDir::current().filePath("x.tlk")});
}
