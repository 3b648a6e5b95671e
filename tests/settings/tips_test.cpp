#include "settings/tips.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tarnlink;

TEST(Tips, BuiltInTipsAndStepping)
{
    TADTip tips;
    ASSERT_EQ(tips.Tips.size(), 10);
    EXPECT_EQ(tips.Tips[1], "For more information read Tarnlink.hlp help file.");
    EXPECT_EQ(tips.TipIndex, -1);

    EXPECT_EQ(tips.TipAt(0), tips.Tips[0]);
    EXPECT_EQ(tips.PrevTip(), tips.Tips[9]); // from the first to the last
    EXPECT_EQ(tips.NextTip(), tips.Tips[0]); // from the last to the first
    EXPECT_EQ(tips.NextTip(), tips.Tips[1]);
    EXPECT_EQ(tips.TipIndex, 1);

    tips.TipIndex = -1;
    EXPECT_EQ(tips.PrevTip(), tips.Tips[9]);
    tips.TipIndex = -1;
    EXPECT_EQ(tips.NextTip(), tips.Tips[0]);
}

TEST(Tips, IndexOutsideTheListGivesARandomTip)
{
    TADTip tips;
    tips.seed(1);
    for (int asked : {-1, 10, 11, -7, 1000}) {
        const QString tip = tips.TipAt(asked);
        ASSERT_GE(tips.TipIndex, 0) << asked;
        ASSERT_LT(tips.TipIndex, tips.Tips.size()) << asked;
        EXPECT_EQ(tip, tips.Tips[tips.TipIndex]);
    }
    QSet<int> seen;
    for (int i = 0; i < 50; ++i) {
        tips.RandomTip();
        seen.insert(tips.TipIndex);
    }
    EXPECT_GT(seen.size(), 5); // drawn over the whole list, not stuck
}

TEST(Tips, LanguageFileRules)
{
    struct Case {
        const char* name;
        QStringList lines;
        QStringList expected; // empty: the built-in tips stay
    };
    const Case cases[] = {
        {"first line is Tip0", {"Tip0=zero", "Tip1=one"}, {}},
        {"one line before", {"File=Datei", "Tip0=zero", "Tip1=one"}, {"zero", "one"}},
        {"no Tip0", {"File=Datei", "Tip1=one"}, {}},
        {"names containing Tip in file order",
         {"x=y", "Tip0=zero", "Other=no", "Tip10=ten", "Tips=plural", "tip7=small", "ATipB=inside"},
         {"zero", "ten", "plural", "inside"}},
        {"lines before Tip0 are not taken", {"Tip5=early", "Tip0=zero", "Tip1=one"}, {"zero", "one"}},
        {"a repeated name adds the first line's text",
         {"x=y", "Tip0=zero", "Tip1=first", "Tip1=second"}, {"zero", "first", "first"}},
        {"text after the first equals sign", {"x=y", "Tip0=a=b"}, {"a=b"}},
        {"lower-case tip0 starts the list", {"x=y", "tip0=zero", "Tip1=one"}, {"one"}},
    };
    for (const Case& c : cases) {
        TADTip tips;
        tips.loadFromLines(c.lines);
        EXPECT_EQ(tips.Tips, c.expected.isEmpty() ? TADTip::builtInTips() : c.expected) << c.name;
    }
}

TEST(Tips, LoadFromFile)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("German.lng"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("File=Datei\r\nTip0=Erster Tipp\r\nTip1=Zweiter Tipp\r\n");
    file.close();

    TADTip tips;
    tips.LoadFromFile(dir.filePath("missing.lng"));
    EXPECT_EQ(tips.Tips, TADTip::builtInTips());
    tips.LoadFromFile(file.fileName());
    EXPECT_EQ(tips.Tips, QStringList({"Erster Tipp", "Zweiter Tipp"}));
}
