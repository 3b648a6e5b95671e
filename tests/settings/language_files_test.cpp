// The shipped language files: each translates every text that English.lng lists, so a
// translation cannot fall behind the windows.

#include "settings/language_menu.h"
#include "settings/language_table.h"
#include "settings/text_file.h"
#include "settings/tips.h"

#include <gtest/gtest.h>

using namespace tarnlink;

namespace {

const QString kFolder = QStringLiteral(TARNLINK_LANGUAGE_DIR);

QStringList sourcesOf(const QStringList& lines)
{
    QStringList sources;
    for (const QString& line : lines)
        if (line.contains(u'='))
            sources.append(line.left(line.indexOf(u'=')));
    return sources;
}

} // namespace

TEST(LanguageFiles, EnglishIsTheIdentityAndCarriesTheBuiltInTips)
{
    const auto lines = readTextFileLines(kFolder + "/English.lng");
    ASSERT_TRUE(lines.has_value());
    for (const QString& line : *lines) {
        const QString source = line.left(line.indexOf(u'='));
        if (!source.startsWith(QLatin1String("Tip"))) {
            EXPECT_EQ(line, source + u'=' + source);
        }
    }
    TADTip tips;
    tips.LoadFromFile(kFolder + "/English.lng");
    EXPECT_EQ(tips.Tips, TADTip::builtInTips());
}

TEST(LanguageFiles, EveryFileTranslatesEveryTextOnce)
{
    const LanguageMenu menu(kFolder, "English");
    ASSERT_TRUE(menu.languages().contains("English"));
    ASSERT_GE(menu.languages().size(), 3);
    const QStringList english = sourcesOf(*readTextFileLines(menu.filePath("English")));

    for (const QString& language : menu.languages()) {
        SCOPED_TRACE(language.toStdString());
        const auto lines = readTextFileLines(menu.filePath(language));
        ASSERT_TRUE(lines.has_value());
        ZIREdozudurOdozed table;
        table.loadLines(*lines);
        ASSERT_TRUE(table.translatesWindows());

        const QStringList sources = sourcesOf(*lines);
        for (const QString& source : english)
            EXPECT_TRUE(sources.contains(source)) << "missing: " << source.toStdString();

        // Switching back to English goes through the reversed table: two sources sharing a
        // translation, or a translation that is another source text, would not come back.
        QHash<QString, QString> sourceOfTranslation;
        for (const QString& source : sources) {
            const QString translation = table.Translate(source).toCaseFolded();
            EXPECT_FALSE(translation.trimmed().isEmpty()) << source.toStdString();
            const auto other = sourceOfTranslation.constFind(translation);
            EXPECT_TRUE(other == sourceOfTranslation.cend() || *other == source)
                << source.toStdString() << " shares its translation with " << other->toStdString();
            sourceOfTranslation.insert(translation, source);
            EXPECT_TRUE(!english.contains(table.Translate(source), Qt::CaseInsensitive)
                        || table.Translate(source).compare(source, Qt::CaseInsensitive) == 0)
                << source.toStdString();
        }

        TADTip tips;
        tips.LoadFromFile(menu.filePath(language));
        EXPECT_EQ(tips.Tips.size(), TADTip::builtInTips().size());
    }
}
